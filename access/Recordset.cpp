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
#include <utility>
#include <vector>

#include "DbError.h"
#include "RowVersion.h"
#include "TableLayout.h"
#include "detail/FieldValue.h"
#include "detail/FindCriteria.h"
#include "detail/FoldedName.h"
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

/// True when `names` are the columns of `table`, spelt the same and in the same order.
bool namesTheColumns(const QStringList& names, const QList<Connection::ColumnInfo>& table) {
    if (names.size() != table.size()) return false;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names.at(i) != table.at(i).name) return false;
    return true;
}

/// True when the result columns of `record` are `names`, in the same order.
bool recordHasNames(const QSqlRecord& record, const QStringList& names) {
    if (record.count() != names.size()) return false;
    for (int i = 0; i < record.count(); ++i)
        if (record.fieldName(i) != names.at(i)) return false;
    return true;
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
    detail::NameIndex indexByName;             ///< name (any case) -> column
    std::shared_ptr<const TableLayout> table;  ///< of baseTable(), read when first needed

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
    std::optional<QVariant> expectedVersion;
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
    const TableLayout& baseLayout() {
        if (!table) {
            static const auto kNoTable = std::make_shared<const TableLayout>();
            table = source.baseTable().isEmpty() ? kNoTable : conn->layout(source.baseTable());
        }
        return *table;
    }
    const QStringList& baseKeyColumns() { return baseLayout().keyColumns(); }
    /// The result column named `name` (any case), or -1.
    int resultIndex(const QString& name) const { return indexByName.value(detail::FoldedName{name}, -1); }
    void setLayout(const QStringList& fieldNames, const QList<int>& driverTypes) {
        const TableLayout& base = baseLayout();
        names = fieldNames;
        // The table's own columns in its order (a whole-table result): its lookup serves as it is.
        const bool wholeTable = namesTheColumns(names, base.columns());
        if (wholeTable) indexByName = base.nameIndex();
        kinds.reserve(names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            detail::FieldKind kind;
            kind.driverReportsDouble = driverTypes.value(i) == QMetaType::Double;
            if (driverTypes.value(i) == QMetaType::Bool) kind.kind = detail::ColumnKind::Boolean;
            const int column = wholeTable ? static_cast<int>(i) : base.indexOf(names.at(i));
            if (column >= 0) kind.kind = base.columns().at(column).kind;
            kinds.append(kind);
            if (!wholeTable) indexByName.insert(detail::FoldedName{names.at(i)}, static_cast<int>(i));
        }
    }
    void captureLayout(const QSqlRecord& record) {
        if (!names.isEmpty()) return;
        QStringList fieldNames;
        QList<int> types;
        fieldNames.reserve(record.count());
        types.reserve(record.count());
        for (int i = 0; i < record.count(); ++i) {
            const QSqlField field = record.field(i);
            fieldNames.append(field.name());
            types.append(field.metaType().id());
        }
        setLayout(fieldNames, types);
    }
    void ensureLayout() {
        if (!names.isEmpty()) return;
        if (source.isTable() && !baseLayout().columnNames().isEmpty())
            return setLayout(baseLayout().columnNames(), {});
        loadWindow(position);
    }
    int fieldIndex(const QString& field, const QString& operation) {
        ensureLayout();
        const int index = resultIndex(field);
        if (index < 0)
            throw misuse(QStringLiteral("Il campo «%1» non esiste nel record set.").arg(field), operation);
        return index;
    }
    /// The result column holding the base table's single key, or -1.
    int keyField() {
        const QStringList& key = baseKeyColumns();
        return key.size() == 1 ? resultIndex(key.first()) : -1;
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
            conn->withQuery(source.windowSql(baseKeyColumns()), params + QVariantList{size, start},
                            [this](QSqlQuery& q) {
                                captureLayout(q.record());
                                while (q.next()) rows.push_back(rowOf(q));
                            });
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
        conn->withQuery(source.keysSql(baseKeyColumns(), names.at(keyColumn)), params, [&](QSqlQuery& q) {
            while (q.next())
                if (!seen.contains(q.value(0).toString())) snapshot.push_back(q.value(0));
        });
        keys = std::move(snapshot);
        total = static_cast<qint64>(keys->size());
    }
    void loadKeyedWindow(qint64 start) {
        qint64 end = std::min<qint64>(start + kKeyedWindow, static_cast<qint64>(keys->size()));
        if (start >= end) return;
        const QString keyColumn = baseKeyColumns().first();
        QVariantList keyParams;
        for (qint64 i = start; i < end; ++i) keyParams.append(keys->at(i));
        QHash<QString, QVariantList> found;
        const int keyIndex = keyField();
        conn->withQuery(source.rowsByKeySql(keyColumn, static_cast<int>(keyParams.size())), keyParams,
                        [&](QSqlQuery& q) {
                            while (q.next()) {
                                QVariantList row = rowOf(q);
                                found.insert(row.at(keyIndex).toString(), row);
                            }
                        });
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
        std::optional<QVariantList> row;
        conn->withQuery(source.rowSql(baseKeyColumns()), key, [&](QSqlQuery& q) {
            captureLayout(q.record());
            if (q.next()) row = rowOf(q);
        });
        if (!row)
            throw misuse(QStringLiteral("Il record non esiste più nel database."), QStringLiteral("Resync"));
        return *std::move(row);
    }
    QVariantList keyOf(const QVariantList& row, const QString& operation) {
        if (source.baseTable().isEmpty())
            throw misuse(QStringLiteral("Il record set non viene da una sola tabella: il record non si può "
                                        "rileggere né modificare."),
                         operation);
        QVariantList key;
        for (const QString& column : baseKeyColumns()) {
            const int index = resultIndex(column);
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
    /// The new row as the record set shows it, from the table row the INSERT handed back.
    QVariantList rowAsStored(detail::StoredRow stored) {
        if (source.selectsWholeRows()) {
            // The table's columns, unless another client changed them since they were read.
            const QStringList& expected = names.isEmpty() ? baseLayout().columnNames() : names;
            if (recordHasNames(stored.columns, expected)) {
                if (names.isEmpty()) setLayout(expected, {});
                return std::move(stored.values);
            }
        }
        QVariantList key;
        for (const QString& column : baseKeyColumns())
            key.append(stored.values.value(stored.columns.indexOf(column)));
        if (!key.isEmpty()) return rereadRow(key);
        ensureLayout();
        QVariantList row(names.size());
        for (const detail::PendingValue& value : pending) {
            const int index = resultIndex(value.column);
            if (index >= 0) row[index] = value.value;
        }
        return row;
    }
    void insertPending() {
        addedRow = rowAsStored(writer(QStringLiteral("Update")).insert(pending));
        pending.clear();
        mode = Mode::Added;
        pastEnd = false;
        currentDeleted = false;
        forgetRows();
    }
    /// The version the update of `row` must find: the one expected, else the one read with it.
    QVariant versionToCheck(const QVariantList& row) {
        if (expectedVersion) return *std::exchange(expectedVersion, std::nullopt);
        const int index = resultIndex(kVersioneRiga);
        return index >= 0 ? row.at(index) : QVariant();
    }
    void updatePending() {
        const QVariantList* row = currentRow();
        if (!row) noCurrentRecord(QStringLiteral("Update"));
        detail::TableWriter& w = writer(QStringLiteral("Update"));
        QVariantList key = keyOf(*row, QStringLiteral("Update"));
        const QVariant version = versionToCheck(*row);
        if (w.update(pending, key, version) == 0) {
            if (!version.isNull() && w.exists(key))
                throw DbError(rigaCambiataSentence(),
                              QStringLiteral("Recordset: Update ") + source.baseTable(),
                              DbError::kRigaCambiata);
            throw misuse(QStringLiteral("Il record da aggiornare non esiste più nel database."),
                         QStringLiteral("Update"));
        }
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
    if (d->source.isTable() && d->baseLayout().columns().isEmpty())
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
        qint64 count = 0;
        d->conn->withQuery(d->source.countSql(), d->params, [&count](QSqlQuery& q) {
            if (q.next()) count = q.value(0).toLongLong();
        });
        d->total = count;
    }
    return static_cast<long>(*d->total);
}

QVariant Recordset::value(const QString& field) {
    d->checkOpen(QStringLiteral("value"));
    return value(d->fieldIndex(field, QStringLiteral("value")));
}

QVariant Recordset::value(int index) {
    d->checkOpen(QStringLiteral("value"));
    d->ensureLayout();
    if (index < 0 || index >= static_cast<int>(d->names.size()))
        throw misuse(QStringLiteral("Il campo numero %1 non esiste nel record set.").arg(index),
                     QStringLiteral("value"));
    const QString& field = d->names.at(index);
    if (const QVariant* changed = d->pendingValue(field)) return *changed;
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
    // Bound now, so that a misfit is refused here rather than at Update.
    detail::PendingValue change = d->writer(QStringLiteral("setValue")).pendingValue(field, value);
    if (d->mode != Impl::Mode::Adding && !d->currentRow()) Impl::noCurrentRecord(QStringLiteral("setValue"));
    for (detail::PendingValue& pending : d->pending)
        if (pending.column == change.column) {
            pending = std::move(change);
            return;
        }
    d->pending.append(std::move(change));
}

void Recordset::AddNew() {
    d->writer(QStringLiteral("AddNew"));
    d->leaveCurrent();
    d->mode = Impl::Mode::Adding;
    d->pending.clear();
}

void Recordset::Update() { d->update(); }

void Recordset::expectVersion(const QVariant& version) {
    d->checkOpen(QStringLiteral("expectVersion"));
    d->expectedVersion = version;
}

void Recordset::CancelUpdate() {
    d->checkOpen(QStringLiteral("CancelUpdate"));
    d->pending.clear();
    d->expectedVersion.reset();
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
