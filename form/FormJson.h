#pragma once
// The JSON face of a form, used by the tolmo-host driver: dump, set, fire.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "Form.h"

namespace tolmo::form {

/// {"text","visible","enabled","locked","caption","tag","toolTip","left","top","width",
///  "height"}, "backColor" when set, "format"/"mask" when set, plus per kind: "rows" (columns
///  TAB-joined), "selectedRow" and, while rows are still to read, "more" (lists), "checked", "index",
///  "tabs":[{"visible","caption"}] and "current" (tab strips), "table" (null cells as null), "row", "col"
///  (grids), "nodes":[{"key","text","image","tag","parent","expanded"}] and "selectedNode" (trees).
QJsonObject dumpControl(const Control& control);
/// {CONTROL: {state}} for every control of the form.
QJsonObject dumpForm(const Form& form);

/// Applies {"set": CONTROL, "text"|"value"|"checked"|"index"|"row"|"scroll": V} to a control,
/// as the person would: text changes fire Change, a "row" on a list selects it and fires
/// Choose, "scroll" reads V more pages of a long list ("end": all of them). "value" is the control's natural
/// value: checked for check boxes, the index of option groups and tab strips, for lists the first row whose
/// first column equals V (or, when none does, no selection and V as the text), the text otherwise. Locked and
/// disabled controls are set all the same. On a tree, "node": KEY clicks a node, "move": KEY moves onto it
/// with the keyboard, "expand"/"collapse": KEY opens or closes it. Returns an error text, empty on success.
QString applySet(Form& form, const QJsonObject& command);
/// Applies {"fire": CONTROL, "event": E, "index"?, "row"?, "key"?}. KeyPress needs "key"
/// (a character code or a one-character string); Choose with "row" first selects that row
/// of a list; GotFocus records the control as the form's focus. Returns an error text.
QString applyFire(Form& form, const QJsonObject& command);

}  // namespace tolmo::form
