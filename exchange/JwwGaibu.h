// Chief header of the exchange-file subsystem: the entity store, the reader,
// the writer and the write-back.
#pragma once

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityEmitters.h"
#include "exchange/EntityStore.h"
#include "exchange/EntityWriteBack.h"
#include "exchange/ExchangeReader.h"
#include "exchange/ExchangeWriter.h"
#include "exchange/ListIndexMaps.h"
#include "exchange/NumberText.h"

namespace rv17 {}  // namespace rv17
