#include "HostKit.h"

#include <QDir>
#include <QStandardPaths>

#include "schema/Schema.h"

namespace tolmo::hostkit {

namespace {
const QString kSection = QStringLiteral("TolmoPratica");
const QString kKeys[] = {QStringLiteral("AnagIns"), QStringLiteral("Cambio"), QStringLiteral("Valuta")};
}  // namespace

QString defaultDatabaseUrl() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + QStringLiteral("/.tolmo");
    QDir().mkpath(dir);
    return QStringLiteral("sqlite:") + dir + QStringLiteral("/tolmo-demo.sqlite");
}

QString testoAggiornamento(int from, int to) {
    return QStringLiteral(
               "L'archivio è della versione %1 dello schema: viene ora aggiornato alla versione %2, "
               "tutto insieme o per niente.")
        .arg(from)
        .arg(to);
}

void connect(TolmoPratica& component, const QString& url, const schema::AvvisoAggiornamento& avvisa) {
    // The first opening creates the schema and the demo firm when the database is new, or
    // brings an older archive to the current schema.
    ConnectionPtr readWrite = schema::openDatabase(url, avvisa);
    component.setConnTolmo(Connection::open(url));
    component.setConnReadOnly(Connection::open(url));
    component.setConnReadWrite(readWrite);
}

core::PropertyBag loadBag(platform::Settings& settings) {
    QVariantMap values;
    for (const QString& key : kKeys) {
        const QString v = settings.value(kSection, key, QString());
        if (!v.isEmpty()) values.insert(key, v);
    }
    return core::PropertyBag(values);
}

void saveBag(platform::Settings& settings, const core::PropertyBag& bag) {
    for (const QString& key : kKeys) {
        if (bag.values().contains(key))
            settings.setValue(kSection, key, bag.values().value(key).toString());
        else
            settings.remove(kSection, key);
    }
}

void watchEvents(TolmoPratica& component, std::function<void(const QString&, const QVariantList&)> sink) {
    TolmoPratica* c = &component;
    auto on = [c, sink](const char* name, QVariantList args) { sink(QString::fromLatin1(name), args); };
    QObject::connect(c, &TolmoPratica::SetDummy, c, [=] { on("SetDummy", {}); });
    QObject::connect(c, &TolmoPratica::InserisciCliente, c, [=](const QString& cognome, const QString& nome) {
        on("InserisciCliente", {cognome, nome});
    });
    QObject::connect(c, &TolmoPratica::SettaPratica, c, [=](int id) { on("SettaPratica", {id}); });
    QObject::connect(c, &TolmoPratica::RicalcoloParcella, c,
                     [=](Currency valore, short ril, const QString& valuta, int id, const QString& autorita,
                         bool changeVal, bool changeRil) {
                         on("RicalcoloParcella",
                            {QVariant::fromValue(valore), ril, valuta, id, autorita, changeVal, changeRil});
                     });
    QObject::connect(c, &TolmoPratica::NoContabilita, c, [=] { on("NoContabilita", {}); });
    QObject::connect(c, &TolmoPratica::NewId, c, [=](int id) { on("NewId", {id}); });
    QObject::connect(c, &TolmoPratica::EnableConferma, c,
                     [=](bool enable) { on("EnableConferma", {enable}); });
    QObject::connect(c, &TolmoPratica::ChangePratica, c, [=] { on("ChangePratica", {}); });
    QObject::connect(c, &TolmoPratica::RicalcoloParcellaOraria, c,
                     [=](int id, short tariffa, Currency flat, double magg) {
                         on("RicalcoloParcellaOraria", {id, tariffa, QVariant::fromValue(flat), magg});
                     });
}

void restoreProperties(TolmoPratica& component, platform::Settings& settings) {
    const core::PropertyBag bag = loadBag(settings);
    if (bag.values().isEmpty())
        component.InitProperties();
    else
        component.ReadProperties(bag);
}

}  // namespace tolmo::hostkit
