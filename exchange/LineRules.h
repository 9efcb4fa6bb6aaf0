// The rules that turn the fields of one exchange-file line into changes of
// the store: header values, attribute state, polyline and dimension state,
// and new records.
#pragma once

#include "exchange/EntityStore.h"
#include "exchange/LineFields.h"

namespace rv17 {

// Applies the first rule of the rule table that fits the line's fields.
// A line whose only field is empty changes nothing.
void ApplyLineRules(EntityStore& store, const LineFields& fields);

}  // namespace rv17
