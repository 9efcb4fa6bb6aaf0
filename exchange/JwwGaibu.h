// Chief header of the exchange-file subsystem: the entity store, the reader,
// the writer and the write-back.
#pragma once

#include "EntityStore.h"
#include "ExchangeReader.h"
