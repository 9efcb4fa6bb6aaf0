// The rules that turn the fields of one exchange-file line into changes of
// the store (header values and new records) and of the reader's state
// (attributes in force, polyline and dimension).
#pragma once

#include "exchange/EntityStore.h"
#include "exchange/LineFields.h"
#include "exchange/ReaderState.h"

namespace rv17 {

// Applies the first rule of the rule table that fits the line's fields.
// A line whose only field is empty changes nothing.
void ApplyLineRules(EntityStore& store, ReaderState& state, const LineFields& fields);

}  // namespace rv17
