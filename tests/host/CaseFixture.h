#pragma once
// A started component on the demo firm, driven through the JSON driver the way a secretary
// would: typing into fields, choosing rows, answering boxes; and the rows the database holds.

#include <QJsonDocument>
#include <QStringList>
#include <ostream>

#include "HostFixture.h"

// Readable values in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QJsonValue& v, std::ostream* os) {
    *os << QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
}
inline void PrintTo(const QJsonArray& a, std::ostream* os) {
    *os << QJsonDocument(a).toJson(QJsonDocument::Compact).toStdString();
}
inline void PrintTo(const QJsonObject& o, std::ostream* os) {
    *os << QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

namespace tolmo::test {

/// Lines of a script run in a dialog: a click, a text typed, the dialog's state dumped.
inline QJsonObject click(const char* control) { return {{"fire", control}, {"event", "Click"}}; }
inline QJsonObject set(const char* control, const QString& text) {
    return {{"set", control}, {"text", text}};
}
inline const QJsonObject kDump{{"dump", "form"}};

class CaseTest : public HostTest {
public:
    QJsonObject sendCommand(const QJsonObject& command) { return send(command); }

protected:
    /// Start, the lire-per-euro rate of the firm, and user 2 as accounting owner.
    void SetUp() override;

    /// Types `text` into CONTROL or "FORM.CONTROL".
    void type(const QString& control, const QString& text);
    /// Opens a list (DropDown) and chooses the row whose column `column` is `value`.
    void choose(const QString& control, int column, const QString& value);
    void choose(const QString& control, int column, int id) { choose(control, column, QString::number(id)); }
    void check(const QString& control, bool on);
    void fire(const QString& control, const QString& event);
    /// The state of a control of the case form or of "FORM.CONTROL".
    QJsonObject field(const QString& control);
    QString text(const QString& control) { return field(control).value("text").toString(); }

    /// Queues answers for the next message boxes ("Yes", "No").
    void answer(const QStringList& answers);
    /// Clicks `button` of dlgRichiedi when it shows, with its tick set to `nonRichiedere`.
    void whenAsked(const QString& button, bool nonRichiedere);

    /// Runs a statement on the session's database; a failure fails the test.
    void sql(const QString& text);
    /// The rows of a SELECT, and its first value.
    QJsonArray rows(const QString& sql);
    QJsonValue scalar(const QString& sql);
    /// The Pratica row of case `id`, column names in lower case; empty when there is none.
    QJsonObject pratica(int id);

    /// The message boxes shown during the last command.
    QList<QJsonObject> boxes() const;
    /// Clicks `trigger` and runs `script` in the modal form `form` it shows; gives what the
    /// script dumped, in order. A script that leaves the form open closes it as Esc does.
    QList<QJsonObject> inDialog(const QString& form, const QJsonArray& script, const QString& trigger);
    /// The arguments of the first event `name` raised during the last command; empty array when none.
    QJsonArray eventArgs(const QString& name) const;

    /// A new case with the registered client `cliente` and a counterparty typed by hand, ready
    /// to be confirmed.
    void nuovaPratica(int cliente, const QString& posizione);
};

}  // namespace tolmo::test
