#pragma once
// The suite's current user: an id and the groups the user belongs to.

#include <QString>
#include <QStringList>

namespace tolmo::platform {

class CurrentUser {
public:
    virtual ~CurrentUser() = default;
    virtual int id() const = 0;
    virtual QStringList groups() const = 0;
};

/// A user whose id and groups the host knows already.
class FixedUser : public CurrentUser {
public:
    FixedUser(int id, QStringList groups) : m_id(id), m_groups(std::move(groups)) {}
    int id() const override { return m_id; }
    QStringList groups() const override { return m_groups; }

private:
    int m_id;
    QStringList m_groups;
};

}  // namespace tolmo::platform
