#pragma once
// Whole-number fields of the dialogs: each has a label and a range, and a value
// outside it is refused with a message naming the field, so the dialog can stay
// open and nothing half-checked reaches the document.

#include <optional>
#include <string_view>

#include "model/user_message.h"

struct NumberField {
    const char* label;  // as in the dialog, e.g. "Marge:"
    int min;
    int max;
};

// The whole number the text holds (spaces around it and a sign allowed), or
// nothing for anything else, including numbers too large for an int.
std::optional<int> ParseWholeNumber(std::string_view text);

// The message that refuses the text of `field`.
UserMessage NumberFieldMessage(const NumberField& field);

// Reads the field's text into value; on a text that is no number or lies
// outside the range, returns the message and leaves value alone.
std::optional<UserMessage> ReadNumberField(std::string_view text, const NumberField& field,
                                           int& value);
