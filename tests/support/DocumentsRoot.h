#pragma once
// A documents root of a test's own: "PathRicerche" names a temporary folder that already holds
// "Documenti Pratiche", so saved cases get their folders there and no question is asked.

#include <QDir>
#include <QTemporaryDir>

#include "platform/Settings.h"

namespace tolmo::test {

class DocumentsRoot {
public:
    explicit DocumentsRoot(platform::Settings& settings) {
        QDir(m_dir.path()).mkpath(QStringLiteral("Documenti Pratiche"));
        settings.setValue(QStringLiteral("startup"), QStringLiteral("PathRicerche"), m_dir.path());
    }
    QString root() const { return m_dir.path(); }
    /// The folder the case folders go in.
    QString documenti() const { return m_dir.path() + QStringLiteral("/Documenti Pratiche"); }

private:
    QTemporaryDir m_dir;
};

}  // namespace tolmo::test
