#pragma once
// The current user as the firm's database knows it: the id the settings name and the
// groups of R_UtentiGruppi.

#include "access/Connection.h"
#include "platform/CurrentUser.h"

namespace tolmo::core {

class FirmUser : public platform::CurrentUser {
public:
    /// Reads the groups of `id` on `conn`; a user without groups has none.
    FirmUser(ConnectionPtr conn, int id);
    int id() const override { return m_id; }
    QStringList groups() const override { return m_groups; }

private:
    int m_id;
    QStringList m_groups;
};

}  // namespace tolmo::core
