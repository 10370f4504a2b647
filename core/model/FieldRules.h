#pragma once
// Small rules the fields of the dialogs share: enabling painted in one call, the keys an amount
// or a date accepts, and the amounts shown in euro.

#include "form/Control.h"

namespace tolmo::core {

/// The light grey of a field that cannot be changed (0xBBGGRR).
inline constexpr long kGrigioDisabilitato = 0xE0E0E0;
/// The system's window-background colour: the field's own look.
inline constexpr long kSfondoFinestra = 0x80000005;

/// Enables a field painted with the window background, or disables it painted light grey.
void EnableControl(form::Control& control, bool enabled);
/// Selects the whole text of a field and gives it the focus.
void SelectTextControl(form::Control& control);

/// True for a key an amount field accepts: a digit, backspace, "," or ".".
bool tastoImporto(int key);
/// True for a digit or backspace: what a date field or a code list accepts.
bool tastoCifra(int key);
/// Drops every key `accepted` refuses, before the other KeyPress handlers see it.
void filtraTasti(form::Control& control, bool (*accepted)(int key));

/// The display of an amount: euro sign, thousands separators, two decimals, negatives in
/// parentheses; the whole text selected on entry; only the keys of an amount typed.
void comeImporto(form::Control& control);

}  // namespace tolmo::core
