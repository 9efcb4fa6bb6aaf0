// Chief header of the exchange-file subsystem: the entity store, the reader,
// the writer and the write-back.
#pragma once

#include "EntityStore.h"
#include "ExchangeReader.h"
#include "NumberText.h"
#include "ExchangeWriter.h"
#include "ListIndexMaps.h"
#include "AttributeEmitters.h"
#include "EntityEmitters.h"
#include "EntityWriteBack.h"
