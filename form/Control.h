#pragma once
// A named control of a headless form: the state the behaviour reads and writes.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace tolmo::form {

class Form;

/// The red the forms write warnings and missing data in, 0xBBGGRR (192, 0, 0).
inline constexpr long kColoreRosso = 0x0000C0;

enum class ControlKind {
    Label,
    TextBox,   // text, masked, date, money and number entries
    ComboBox,  // multi-column drop-down list with an editable text
    ListBox,   // multi-column list without text entry
    CheckBox,
    OptionGroup,  // a group of option buttons: selected index
    Button,
    Frame,
    TabStrip,
    Grid,
    Picture,
    TreeView,  // a tree of keyed nodes
};

enum class EventKind {
    Click,
    DblClick,
    Change,
    DropDown,
    Choose,
    KeyPress,
    KeyDown,
    GotFocus,
    LostFocus,
    Expand,    ///< a tree node opened (`node` its key)
    Collapse,  ///< a tree node closed (`node` its key)
};

/// Key codes of KeyDown for the keys that type no character. A letter or a digit gives its code
/// in upper case ("a" and "A" are 65, "1" is 49); any other character OtherCharacter + its code
/// point, so that no character is taken for a named key.
namespace keys {
inline constexpr int Backspace = 8, Enter = 13, Shift = 16, Ctrl = 17, Alt = 18, CapsLock = 20, Esc = 27,
                     Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
                     Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F12 = 123,
                     OtherCharacter = 0x10000;
/// The KeyDown code of a key that types `character`.
inline int ofCharacter(char32_t character) {
    if (character >= U'a' && character <= U'z') return static_cast<int>(character - U'a' + U'A');
    if ((character >= U'A' && character <= U'Z') || (character >= U'0' && character <= U'9') ||
        character == U' ')
        return static_cast<int>(character);
    return OtherCharacter + static_cast<int>(character);
}
}  // namespace keys

QString eventKindName(EventKind kind);
bool eventKindFromName(const QString& name, EventKind* kind);

/// What a handler receives. KeyDown comes first for every key pressed (`key` a code of keys::);
/// KeyPress follows for a key that types a character (`key` the character), and its handlers
/// may set `key` to 0 to drop it; LostFocus handlers may set `cancel` to keep the focus.
struct ControlEvent {
    EventKind kind = EventKind::Click;
    int index = -1;  ///< option, tab or control-array index
    int row = -1;    ///< Choose: the chosen row
    int key = 0;     ///< KeyPress: the character code (8 = backspace, 13 = Enter); KeyDown: keys::
    bool cancel = false;
    QString node{};  ///< tree events: the key of the node
};

/// The state properties a view mirrors; observers get told which one changed.
enum class Prop {
    Text,
    Visible,
    Enabled,
    Locked,
    Caption,
    Tag,
    ToolTip,
    Geometry,
    BackColor,
    ForeColor,
    Rows,
    Selection,
    Checked,
    Index,
    Tabs,
    Table,
    CurrentCell,
    Focus,
    Format,
    MaxLength,
    RowsAdded,  ///< rows appended to a list's end; the rows before them are as they were
    Nodes,      ///< a tree's nodes were added or cleared
    NodeState,  ///< a tree node's image or open state changed (the tree's changedNode())
};

class Control {
public:
    /// Registers the control in `form` (which must outlive it) under `name`; a null form
    /// leaves it out of any registry.
    Control(Form* form, QString name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    Form* form() const { return m_form; }

    const QString& text() const { return m_text; }
    /// Fires Change when the text changes; a text longer than maxLength keeps its first characters.
    void setText(const QString& text);
    /// The most characters the text may hold (the column it is saved in), 0 for no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int characters);
    /// Entering the field selects its whole text (a view's business: the form keeps no selection).
    bool selectOnEntry() const { return m_selectOnEntry; }
    void setSelectOnEntry(bool on) { m_selectOnEntry = on; }
    bool visible() const { return m_visible; }
    void setVisible(bool v);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool v);
    bool locked() const { return m_locked; }
    void setLocked(bool v);
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& c);
    const QString& tag() const { return m_tag; }
    void setTag(const QString& t);
    const QString& toolTip() const { return m_toolTip; }
    void setToolTip(const QString& t);
    /// Position and size in twips (1/1440 inch; 15 twips to a pixel at 96 dpi).
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    /// Moves and sizes at once, telling the observers once.
    void setGeometry(int left, int top, int width, int height);
    /// Background colour as 0xBBGGRR, -1 when the view's default applies.
    long backColor() const { return m_backColor; }
    void setBackColor(long colour);
    /// The colour of the text, 0xBBGGRR; -1 for the widget's own.
    long foreColor() const { return m_foreColor; }
    void setForeColor(long colour);
    /// Display format and input mask of an entry ("##/##/####").
    const QString& format() const { return m_format; }
    const QString& mask() const { return m_mask; }
    void setFormat(const QString& format, const QString& mask);

    /// Asks the view to put the keyboard focus here.
    void setFocus();

    using Handler = std::function<void(ControlEvent&)>;
    /// Adds a handler for one kind of event.
    void on(EventKind kind, Handler handler);
    /// Runs the handlers of the event's kind, in the order they were added. Once a
    /// KeyPress handler drops the key (key = 0), the handlers after it are not run.
    void fire(ControlEvent& event);
    void fire(EventKind kind);

    /// Observers (the Qt binder) learn of every state change.
    using Observer = std::function<void(Control&, Prop)>;
    int observe(Observer observer);
    void unobserve(int id);

protected:
    void notify(Prop prop);

private:
    Form* m_form;
    QString m_name;
    ControlKind m_kind;
    QString m_text, m_caption, m_tag, m_toolTip, m_format, m_mask;
    bool m_visible = true, m_enabled = true, m_locked = false;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    long m_backColor = -1;
    long m_foreColor = -1;
    int m_maxLength = 0;
    bool m_selectOnEntry = false;
    std::vector<std::pair<EventKind, Handler>> m_handlers;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextObserver = 1;
};

/// A multi-column list: each row is its columns joined by TAB.
/// Where a long list reads its further rows from, a page at a time.
class RowSource {
public:
    virtual ~RowSource() = default;
    /// The next rows, at most `count`, each as its columns; fewer when there are no more. A
    /// source reports its own failures and then answers no rows.
    virtual QList<QStringList> next(int count) = 0;
};

class ListControl : public Control {
public:
    /// The rows a paged list reads at a time: more than a drop-down shows at once.
    static constexpr int kPagina = 100;

    ListControl(Form* form, QString name, ControlKind kind = ControlKind::ComboBox, int columns = 1);

    int columnCount() const { return m_columns; }
    const QStringList& rows() const { return m_rows; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    void clear();  ///< empties the rows and the selection (not the text)
    void addRow(const QString& row);
    /// Adds a row from its columns; a TAB inside a column becomes a space.
    void addRow(const QStringList& columns);
    void setRows(const QStringList& rows);  ///< replaces the rows and clears the selection
    /// Replaces the rows with the first page of `source` and keeps it for the rest, which
    /// fetchMore() reads as the person scrolls.
    void setSource(std::unique_ptr<RowSource> source);
    /// True while the source has rows not read yet.
    bool canFetchMore() const { return m_source != nullptr; }
    /// Appends the source's next page (firing RowsAdded); the source goes at its end.
    void fetchMore();
    QString cell(int row, int column) const;  ///< "" outside the table
    /// Selected row, -1 for none. Selecting a row shows its first column as the text
    /// (firing Change when the text changes); -1 or a row outside the list clears the
    /// selection and leaves the text.
    int selectedRow() const { return m_selected; }
    void setSelectedRow(int row);
    /// Exact search of `text` in `column`; -1 when absent.
    int findRow(int column, const QString& text) const;
    /// Column value of the selected row, "" when nothing is selected.
    QString selectedCell(int column) const;

private:
    /// Appends up to a page from the source, dropping it when it has no more.
    bool readPage();
    int m_columns;
    QStringList m_rows;
    int m_selected = -1;
    std::unique_ptr<RowSource> m_source;
};

class CheckBox : public Control {
public:
    CheckBox(Form* form, QString name);
    bool checked() const { return m_checked; }
    void setChecked(bool v);  ///< fires Click when it changes, as a person ticking it would

private:
    bool m_checked = false;
};

/// A group of option buttons; index -1 when none is chosen.
class OptionGroup : public Control {
public:
    OptionGroup(Form* form, QString name, int count);
    int count() const { return m_count; }
    int index() const { return m_index; }
    /// Fires Click with the index when it changes to an option; outside 0..count-1 means none.
    void setIndex(int i);

private:
    int m_count;
    int m_index = -1;
};

class TabStrip : public Control {
public:
    TabStrip(Form* form, QString name, int count);
    int count() const { return static_cast<int>(m_tabVisible.size()); }
    int current() const { return m_current; }
    void setCurrent(int tab);  ///< fires Click with the tab index when it changes; ignores bad tabs
    bool tabVisible(int tab) const;
    void setTabVisible(int tab, bool v);
    QString tabCaption(int tab) const;
    void setTabCaption(int tab, const QString& c);

private:
    int m_current = 0;
    QVector<bool> m_tabVisible;
    QStringList m_tabCaption;
};

/// A grid bound to an in-memory table.
class Grid : public Control {
public:
    Grid(Form* form, QString name, int columns);
    int columnCount() const { return m_columns; }
    const QVector<QVector<QVariant>>& table() const { return m_table; }
    int rowCount() const { return static_cast<int>(m_table.size()); }
    /// Replaces the table; short rows are padded with nulls, a wider row widens the grid.
    void setTable(QVector<QVector<QVariant>> table);
    /// Sizes the table to rows x columns of nulls.
    void resize(int rows);
    QVariant cell(int row, int column) const;              ///< null outside the table
    void setCell(int row, int column, const QVariant& v);  ///< ignored outside the table
    /// A person's edit of a cell: sets it, makes it the current cell and fires Change with
    /// the row and the column (in `index`) when the value changed. A text typed into a tick is
    /// read as a tick. Ignored outside the table and on a locked cell.
    void editCell(int row, int column, const QVariant& v);
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setCurrentCell(int row, int col);
    /// A person's move to a cell: fires Click with the row when the current row changed.
    void moveTo(int row, int col);
    QStringList columnCaptions() const { return m_captions; }
    void setColumnCaptions(const QStringList& captions);  ///< observers hear Prop::Table

    /// The colour of a cell's text, 0xBBGGRR; -1 for the grid's own. A new table drops it.
    long cellForeColor(int row, int column) const;
    void setCellForeColor(int row, int column, long colour);
    /// A locked cell takes no edit from the person. A new table drops it.
    bool cellLocked(int row, int column) const;
    void setCellLocked(int row, int column, bool locked);

private:
    int m_columns;
    QVector<QVector<QVariant>> m_table;
    QHash<QPair<int, int>, long> m_colours;
    QSet<QPair<int, int>> m_lockedCells;
    QStringList m_captions;
    int m_row = -1, m_col = -1;
};

}  // namespace tolmo::form
