#pragma once
// What a host does before and after it drives the component: open the three connections
// (creating the demo firm on a new database) and keep the persisted properties.

#include <QString>
#include <QVariantList>
#include <functional>

#include "core/TolmoPratica.h"
#include "schema/Schema.h"

namespace tolmo::hostkit {

/// The embedded demo database used when no --db is given.
QString defaultDatabaseUrl();

/// Opens `url` three times (firm-wide, read-only, read-write) and hands the connections
/// to the component; an archive of an older schema is upgraded first, `avvisa` told before.
/// Throws DbError with a sentence for the person.
void connect(TolmoPratica& component, const QString& url, const schema::AvvisoAggiornamento& avvisa = {});
/// The sentence that tells the person an archive is being upgraded.
QString testoAggiornamento(int from, int to);

/// The component's property bag as the host keeps it in its settings (group "TolmoPratica").
core::PropertyBag loadBag(platform::Settings& settings);
void saveBag(platform::Settings& settings, const core::PropertyBag& bag);

/// Calls `sink` with the name and arguments of every event the component raises
/// (amounts as Currency, the rest as plain values).
void watchEvents(TolmoPratica& component, std::function<void(const QString&, const QVariantList&)> sink);

/// Creates the component's persisted state: InitProperties, then ReadProperties when a bag
/// was saved before.
void restoreProperties(TolmoPratica& component, platform::Settings& settings);

}  // namespace tolmo::hostkit
