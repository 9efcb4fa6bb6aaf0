// The rules that turn the fields of one exchange-file line into changes of
// the store: header values, attribute state, polyline and dimension state,
// and new records.
#pragma once

#include "EntityStore.h"
#include "LineFields.h"

// Applies the first rule of the rule table that fits the line's fields.
// A line whose only field is empty changes nothing.
void ApplyLineRules(EntityStore& store, const LineFields& fields);
