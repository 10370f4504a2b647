// The record set reads its query in windows: the first rows with LIMIT/OFFSET, and, when the
// result has a single-column key, the rest by key from a snapshot of the keys taken when the
// first window is walked past. Keys keep later windows exact while the caller updates or
// deletes rows (a row that stops matching the query would otherwise shift every OFFSET).
// Only the current window is held in memory; MoveFirst reads the first window again.

#include "Recordset.h"

#include <QHash>
#include <QSet>
#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>
#include <optional>
#include <vector>

#include "DbError.h"
#include "detail/FieldValue.h"
#include "detail/FindCriteria.h"
#include "detail/SqlSource.h"
#include "detail/TableWriter.h"

namespace tolmo {

namespace {

constexpr qint64 kFirstWindow = 500;
constexpr qint64 kLargestWindow = 50000;
constexpr qint64 kKeyedWindow = 500;  ///< keys bound in one IN (...) list

DbError misuse(const QString& description, const QString& operation) {
    return DbError(description, QStringLiteral("Recordset: ") + operation, -1);
}

}  // namespace

struct Recordset::Impl {
    enum class Mode {
        Cursor,  ///< on a row of the query (or at its end)
        Adding,  ///< on a new row not yet stored
        Added,   ///< on the row the last AddNew + Update stored; after it comes the end
    };

    ConnectionPtr conn;
    detail::SqlSource source;
    QVariantList params;
    short lockType;
    bool open = true;

    // Columns of the result, known from the first statement that returned rows.
    QStringList names;
    QList<detail::FieldKind> kinds;
    QHash<QString, int> indexByName;  ///< lower-case name -> column

    std::vector<QVariantList> rows;  ///< rows [windowStart, windowStart + rows.size())
    qint64 windowStart = 0;
    bool windowLoaded = false;
    std::optional<qint64> total;
    std::optional<std::vector<QVariant>> keys;  ///< snapshot of the keys, by position
    qint64 position = 0;

    Mode mode = Mode::Cursor;
    bool currentDeleted = false;
    bool pastEnd = false;
    QVariantList addedRow;
    detail::PendingValues pending;
    std::optional<detail::TableWriter> tableWriter;

    Impl(ConnectionPtr c, const QString& text, short lock, QVariantList p)
        : conn(std::move(c)), source(text), params(std::move(p)), lockType(lock) {}

    // --- state checks -------------------------------------------------------------------
    void checkOpen(const QString& operation) const {
        if (!open) throw misuse(QStringLiteral("Il record set è chiuso."), operation);
    }
    detail::TableWriter& writer(const QString& operation) {
        checkOpen(operation);
        if (lockType == adLockReadOnly)
            throw misuse(QStringLiteral("Il record set è di sola lettura: non si può modificare."),
                         operation);
        if (source.baseTable().isEmpty())
            throw misuse(
                QStringLiteral("Il record set non viene da una sola tabella: non si può modificare."),
                operation);
        if (!tableWriter) tableWriter.emplace(conn, source.baseTable());
        return *tableWriter;
    }
    [[noreturn]] static void noCurrentRecord(const QString& operation) {
        throw misuse(QStringLiteral("Nessun record corrente."), operation);
    }

    // --- columns ------------------------------------------------------------------------
    QStringList baseKeyColumns() {
        return source.baseTable().isEmpty() ? QStringList() : conn->primaryKeyColumns(source.baseTable());
    }
    void setLayout(const QStringList& fieldNames, const QList<int>& driverTypes) {
        const QList<Connection::ColumnInfo> base = source.baseTable().isEmpty()
                                                       ? QList<Connection::ColumnInfo>()
                                                       : conn->columns(source.baseTable());
        names = fieldNames;
        for (qsizetype i = 0; i < names.size(); ++i) {
            detail::FieldKind kind;
            kind.driverReportsDouble = driverTypes.value(i) == QMetaType::Double;
            if (driverTypes.value(i) == QMetaType::Bool) kind.kind = detail::ColumnKind::Boolean;
            for (const Connection::ColumnInfo& column : base)
                if (column.name.compare(names.at(i), Qt::CaseInsensitive) == 0) kind.kind = column.kind;
            kinds.append(kind);
            indexByName.insert(names.at(i).toLower(), static_cast<int>(i));
        }
    }
    void captureLayout(const QSqlRecord& record) {
        if (!names.isEmpty()) return;
        QStringList fieldNames;
        QList<int> types;
        for (int i = 0; i < record.count(); ++i) {
            fieldNames.append(record.fieldName(i));
            types.append(record.field(i).metaType().id());
        }
        setLayout(fieldNames, types);
    }
    void ensureLayout() {
        if (!names.isEmpty()) return;
        if (source.isTable()) {
            QStringList fieldNames;
            for (const Connection::ColumnInfo& column : conn->columns(source.baseTable()))
                fieldNames.append(column.name);
            if (!fieldNames.isEmpty()) return setLayout(fieldNames, {});
        }
        loadWindow(position);
    }
    int fieldIndex(const QString& field, const QString& operation) {
        ensureLayout();
        const int index = indexByName.value(field.toLower(), -1);
        if (index < 0)
            throw misuse(QStringLiteral("Il campo «%1» non esiste nel record set.").arg(field), operation);
        return index;
    }
    /// The result column holding the base table's single key, or -1.
    int keyField() {
        const QStringList key = baseKeyColumns();
        return key.size() == 1 ? indexByName.value(key.first().toLower(), -1) : -1;
    }

    // --- reading --------------------------------------------------------------------------
    QVariantList rowOf(const QSqlQuery& q) const {
        QVariantList row;
        row.reserve(names.size());
        for (int i = 0; i < names.size(); ++i) row.append(q.value(i));
        return row;
    }
    void loadWindow(qint64 start) {
        if (start > 0 && !keys && windowLoaded && windowStart == 0 && keyField() >= 0) snapshotKeys();
        rows.clear();
        windowLoaded = false;
        if (start > 0 && keys) {
            loadKeyedWindow(start);
        } else {
            const qint64 size = std::clamp(start, kFirstWindow, kLargestWindow);
            QSqlQuery q = conn->query(source.windowSql(baseKeyColumns()), params + QVariantList{size, start});
            captureLayout(q.record());
            while (q.next()) rows.push_back(rowOf(q));
            if (static_cast<qint64>(rows.size()) < size) total = start + static_cast<qint64>(rows.size());
            if (start == 0) keys.reset();
        }
        windowStart = start;
        windowLoaded = true;
    }
    /// Keys of the first window (as the caller left it) then those of the rest of the result.
    void snapshotKeys() {
        const int keyColumn = keyField();
        std::vector<QVariant> snapshot;
        QSet<QString> seen;
        for (const QVariantList& row : rows) {
            snapshot.push_back(row.at(keyColumn));
            seen.insert(row.at(keyColumn).toString());
        }
        QSqlQuery q = conn->query(source.keysSql(baseKeyColumns(), names.at(keyColumn)), params);
        while (q.next())
            if (!seen.contains(q.value(0).toString())) snapshot.push_back(q.value(0));
        keys = std::move(snapshot);
        total = static_cast<qint64>(keys->size());
    }
    void loadKeyedWindow(qint64 start) {
        qint64 end = std::min<qint64>(start + kKeyedWindow, static_cast<qint64>(keys->size()));
        if (start >= end) return;
        const QString keyColumn = baseKeyColumns().first();
        QVariantList keyParams;
        for (qint64 i = start; i < end; ++i) keyParams.append(keys->at(i));
        QSqlQuery q =
            conn->query(source.rowsByKeySql(keyColumn, static_cast<int>(keyParams.size())), keyParams);
        QHash<QString, QVariantList> found;
        const int keyIndex = keyField();
        while (q.next()) {
            QVariantList row = rowOf(q);
            found.insert(row.at(keyIndex).toString(), row);
        }
        // Rows deleted by others since the snapshot drop out of it.
        for (qint64 i = start; i < end;) {
            const auto hit = found.constFind(keys->at(i).toString());
            if (hit == found.constEnd()) {
                keys->erase(keys->begin() + i);
                --end;
            } else {
                rows.push_back(*hit);
                ++i;
            }
        }
        total = static_cast<qint64>(keys->size());
    }

    /// True when `position` has a row of the query (reading its window if needed).
    bool ensureRow() {
        if (total && position >= *total) return false;
        const qint64 offset = position - windowStart;
        if (windowLoaded && offset >= 0 && offset < static_cast<qint64>(rows.size())) return true;
        loadWindow(position);
        return position - windowStart < static_cast<qint64>(rows.size());
    }
    const QVariantList* currentRow() {
        if (mode == Mode::Added) return &addedRow;
        if (mode == Mode::Adding || pastEnd || currentDeleted || !ensureRow()) return nullptr;
        return &rows[static_cast<size_t>(position - windowStart)];
    }
    QVariantList rereadRow(const QVariantList& key) {
        QSqlQuery q = conn->query(source.rowSql(baseKeyColumns()), key);
        captureLayout(q.record());
        if (!q.next())
            throw misuse(QStringLiteral("Il record non esiste più nel database."), QStringLiteral("Resync"));
        return rowOf(q);
    }
    QVariantList keyOf(const QVariantList& row, const QString& operation) {
        if (source.baseTable().isEmpty())
            throw misuse(QStringLiteral("Il record set non viene da una sola tabella: il record non si può "
                                        "rileggere né modificare."),
                         operation);
        QVariantList key;
        const QStringList keyColumns = baseKeyColumns();
        for (const QString& column : keyColumns) {
            const int index = indexByName.value(column.toLower(), -1);
            if (index < 0)
                throw misuse(
                    QStringLiteral("Il record set non contiene la chiave «%1» della tabella «%2»: non si "
                                   "può modificare.")
                        .arg(column, source.baseTable()),
                    operation);
            key.append(row.at(index));
        }
        if (key.isEmpty())
            throw misuse(
                QStringLiteral("La tabella «%1» non ha chiave primaria: non si può modificare il record.")
                    .arg(source.baseTable()),
                operation);
        return key;
    }
    const QVariant* pendingValue(const QString& field) const {
        for (const detail::PendingValue& value : pending)
            if (value.column.compare(field, Qt::CaseInsensitive) == 0) return &value.value;
        return nullptr;
    }
    void replaceCurrent(QVariantList row) {
        if (mode == Mode::Added)
            addedRow = std::move(row);
        else
            rows[static_cast<size_t>(position - windowStart)] = std::move(row);
    }
    /// After a new row: the query's rows, count and keys are read again when next needed.
    void forgetRows() {
        rows.clear();
        windowLoaded = false;
        total.reset();
        keys.reset();
    }

    // --- writing ------------------------------------------------------------------------
    void insertPending() {
        detail::TableWriter& w = writer(QStringLiteral("Update"));
        const QVariantList key = w.insert(pending);
        if (!key.isEmpty()) {
            addedRow = rereadRow(key);
        } else {
            ensureLayout();
            addedRow = QVariantList(names.size());
            for (const detail::PendingValue& value : pending) {
                const int index = indexByName.value(value.column.toLower(), -1);
                if (index >= 0) addedRow[index] = value.value;
            }
        }
        pending.clear();
        mode = Mode::Added;
        pastEnd = false;
        currentDeleted = false;
        forgetRows();
    }
    void updatePending() {
        const QVariantList* row = currentRow();
        if (!row) noCurrentRecord(QStringLiteral("Update"));
        detail::TableWriter& w = writer(QStringLiteral("Update"));
        QVariantList key = keyOf(*row, QStringLiteral("Update"));
        if (w.update(pending, key) == 0)
            throw misuse(QStringLiteral("Il record da aggiornare non esiste più nel database."),
                         QStringLiteral("Update"));
        for (qsizetype i = 0; i < w.keyColumns().size(); ++i)
            if (const QVariant* changed = pendingValue(w.keyColumns().at(i))) key[i] = *changed;
        pending.clear();
        replaceCurrent(rereadRow(key));
    }
    void update() {
        writer(QStringLiteral("Update"));
        if (mode == Mode::Adding)
            insertPending();
        else if (!pending.isEmpty())
            updatePending();
    }
    /// What a move does first: store pending edits, or drop a new row nobody filled in.
    void leaveCurrent() {
        if (!pending.isEmpty())
            update();
        else if (mode == Mode::Adding)
            mode = Mode::Cursor;
    }
    void removeCurrent() {
        if (mode == Mode::Adding) {
            pending.clear();
            mode = Mode::Cursor;
            return;
        }
        const QVariantList* row = currentRow();
        if (!row) noCurrentRecord(QStringLiteral("Delete"));
        detail::TableWriter& w = writer(QStringLiteral("Delete"));
        if (w.remove(keyOf(*row, QStringLiteral("Delete"))) == 0)
            throw misuse(QStringLiteral("Il record da eliminare non esiste più nel database."),
                         QStringLiteral("Delete"));
        pending.clear();
        if (mode == Mode::Added) {
            mode = Mode::Cursor;
            pastEnd = true;
            addedRow.clear();
            return;
        }
        rows.erase(rows.begin() + (position - windowStart));
        if (keys) keys->erase(keys->begin() + position);
        if (total) --*total;
        currentDeleted = true;
    }
    void moveNext() {
        leaveCurrent();
        if (mode == Mode::Added) {
            mode = Mode::Cursor;
            pastEnd = true;
            return;
        }
        if (pastEnd) return;
        if (currentDeleted) {
            currentDeleted = false;
            return;
        }
        if (ensureRow()) ++position;
    }
    bool atEnd() {
        if (mode != Mode::Cursor) return false;
        if (pastEnd) return true;
        return !currentDeleted && !ensureRow();
    }
};

Recordset::Recordset(ConnectionPtr conn, const QString& source, short lockType, const QVariantList& params) {
    if (!conn) throw misuse(QStringLiteral("Nessuna connessione al database."), QStringLiteral("open"));
    if (lockType < adLockReadOnly || lockType > adLockBatchOptimistic)
        throw misuse(QStringLiteral("Tipo di blocco %1 non valido.").arg(lockType), QStringLiteral("open"));
    d = std::make_unique<Impl>(std::move(conn), source, lockType, params);
    if (d->source.isTable() && d->conn->columns(d->source.baseTable()).isEmpty())
        throw misuse(QStringLiteral("La tabella «%1» non esiste.").arg(source), QStringLiteral("open"));
}

Recordset::~Recordset() = default;

bool Recordset::Eof() {
    d->checkOpen(QStringLiteral("EOF"));
    return d->atEnd();
}

void Recordset::MoveNext() {
    d->checkOpen(QStringLiteral("MoveNext"));
    d->moveNext();
}

void Recordset::MoveFirst() {
    d->checkOpen(QStringLiteral("MoveFirst"));
    d->leaveCurrent();
    d->mode = Impl::Mode::Cursor;
    d->pastEnd = false;
    d->currentDeleted = false;
    d->position = 0;
}

long Recordset::RecordCount() {
    d->checkOpen(QStringLiteral("RecordCount"));
    // The first window usually holds the whole result, and then the count comes free with it.
    if (!d->total && !d->windowLoaded && d->mode == Impl::Mode::Cursor && d->position == 0) d->ensureRow();
    if (!d->total) {
        QSqlQuery q = d->conn->query(d->source.countSql(), d->params);
        d->total = q.next() ? q.value(0).toLongLong() : 0;
    }
    return static_cast<long>(*d->total);
}

QVariant Recordset::value(const QString& field) {
    d->checkOpen(QStringLiteral("value"));
    const int index = d->fieldIndex(field, QStringLiteral("value"));
    if (const QVariant* changed = d->pendingValue(d->names.at(index))) return *changed;
    if (d->mode == Impl::Mode::Adding) return {};
    const QVariantList* row = d->currentRow();
    if (!row) Impl::noCurrentRecord(QStringLiteral("value ") + field);
    return detail::readValue(row->at(index), d->kinds.at(index));
}

bool Recordset::isNull(const QString& field) { return value(field).isNull(); }

Currency Recordset::currency(const QString& field) {
    d->checkOpen(QStringLiteral("currency"));
    const int index = d->fieldIndex(field, QStringLiteral("currency"));
    if (const QVariant* changed = d->pendingValue(d->names.at(index))) return Currency::fromVariant(*changed);
    if (d->mode == Impl::Mode::Adding) return {};
    const QVariantList* row = d->currentRow();
    if (!row) Impl::noCurrentRecord(QStringLiteral("currency ") + field);
    return Currency::fromVariant(row->at(index));
}

QString Recordset::text(const QString& field) {
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

void Recordset::setValue(const QString& field, const QVariant& value) {
    const Connection::ColumnInfo& column = d->writer(QStringLiteral("setValue")).column(field);
    detail::bindValue(value, column.kind, d->conn->dialect(), column.name);  // refuses a misfit now
    if (d->mode != Impl::Mode::Adding && !d->currentRow()) Impl::noCurrentRecord(QStringLiteral("setValue"));
    for (detail::PendingValue& pending : d->pending)
        if (pending.column == column.name) {
            pending.value = value;
            return;
        }
    d->pending.append({column.name, value});
}

void Recordset::AddNew() {
    d->writer(QStringLiteral("AddNew"));
    d->leaveCurrent();
    d->mode = Impl::Mode::Adding;
    d->pending.clear();
}

void Recordset::Update() { d->update(); }

void Recordset::CancelUpdate() {
    d->checkOpen(QStringLiteral("CancelUpdate"));
    d->pending.clear();
    if (d->mode == Impl::Mode::Adding) d->mode = Impl::Mode::Cursor;
}

void Recordset::Delete() {
    d->writer(QStringLiteral("Delete"));
    d->removeCurrent();
}

bool Recordset::Find(const QString& criteria) {
    d->checkOpen(QStringLiteral("Find"));
    const detail::FindCriteria find(criteria);
    d->fieldIndex(find.field(), QStringLiteral("Find"));
    while (!d->atEnd()) {
        if (find.matches(value(find.field()))) return true;
        d->moveNext();
    }
    return false;
}

void Recordset::Resync() {
    d->checkOpen(QStringLiteral("Resync"));
    const QVariantList* row = d->currentRow();
    if (!row) Impl::noCurrentRecord(QStringLiteral("Resync"));
    const QVariantList key = d->keyOf(*row, QStringLiteral("Resync"));
    d->pending.clear();
    d->replaceCurrent(d->rereadRow(key));
}

void Recordset::Close() {
    if (!d->open) return;
    d->open = false;
    d->pending.clear();
    d->rows.clear();
    d->keys.reset();
    d->addedRow.clear();
}

QStringList Recordset::fieldNames() {
    d->checkOpen(QStringLiteral("fieldNames"));
    d->ensureLayout();
    return d->names;
}

short Recordset::lockType() const { return d->lockType; }

}  // namespace tolmo
