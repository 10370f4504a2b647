#pragma once
// Italian regions, provinces and municipalities, from the ISTAT municipality archive
// (source: ISTAT, licence CC BY 3.0 IT; data/istat-comuni.json, embedded as a Qt resource).

#include <QList>
#include <QString>

namespace tolmo::schema::demo {

struct Comune {
    QString nome;
    QString codice;  ///< ISTAT code, six digits ("058091" for Roma)
    int codiceRegione = 0;
    QString regione;
    QString provincia;
    QString codiceProvincia;  ///< three digits ("058")
    QString sigla;            ///< car-plate abbreviation of the province ("RM")
    QString codiceCatastale;  ///< four characters, the birthplace in a tax code ("H501")
    int popolazione = 0;
};

class Istat {
public:
    /// Reads the embedded archive. Throws DbError when it is missing or unreadable.
    static Istat load();

    const QList<Comune>& comuni() const { return m_comuni; }
    /// The municipality named `nome`. Throws DbError when there is none or more than one.
    const Comune& comune(const QString& nome) const;
    /// One chief town per province, in the archive's order: the municipality named like its
    /// province, else the province's most populous one ("Monza e della Brianza" -> Monza).
    QList<Comune> capoluoghi() const;
    /// Region code and name, by code.
    QList<QPair<int, QString>> regioni() const;

private:
    QList<Comune> m_comuni;
};

}  // namespace tolmo::schema::demo
