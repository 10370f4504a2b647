#include "ui/case/PraticaView.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/model/PraticaForm.h"
#include "ui/binder/Binder.h"
#include "ui_AccountingTab.h"
#include "ui_CaseHeader.h"
#include "ui_CourtFeeFrame.h"
#include "ui_CriminalTab.h"
#include "ui_FreeFields2Tab.h"
#include "ui_FreeFieldsTab.h"
#include "ui_GeneralTab.h"
#include "ui_PartiesTab.h"
#include "ui_PraticaForm.h"
#include "ui_ReferencesTab.h"
#include "ui_RepresentativesTab.h"
#include "ui_SubjectsTab.h"

namespace tolmo::ui {

namespace {

// Designer names cannot hold "(": the array element txtCampo(3) is drawn as txtCampo_3.
// Gives every such widget the name of the form's array element, leaving option buttons alone.
void nameArrayElements(QWidget* root, const form::Form& form) {
    static const QRegularExpression element(QStringLiteral("^(.+)_(\\d+)$"));
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QRegularExpressionMatch m = element.match(w->objectName());
        if (!m.hasMatch()) continue;
        const QString name = form::arrayName(m.captured(1), m.captured(2).toInt());
        if (form.find(name)) w->setObjectName(name);
    }
}

/// Builds the Designer view `U` into a new widget placed in the layout of `host`.
template <class U>
void mount(QWidget* host) {
    auto* page = new QWidget(host);
    U().setupUi(page);
    host->layout()->addWidget(page);
}

}  // namespace

PraticaView::PraticaView(core::PraticaForm& form, core::CaseHeader::Controls& header, QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::PraticaForm>()),
      m_headerUi(std::make_unique<Ui::CaseHeader>()) {
    m_ui->setupUi(this);
    // Each tab page, and the court fee's frame in the general page, is its subsystem's view.
    mount<Ui::GeneralTab>(m_ui->tabGenerale);
    mount<Ui::CourtFeeFrame>(findChild<QWidget*>(QStringLiteral("slotContributo")));
    mount<Ui::PartiesTab>(m_ui->tabParti);
    mount<Ui::ReferencesTab>(m_ui->tabRiferimenti);
    mount<Ui::FreeFieldsTab>(m_ui->tabCampiLiberi);
    mount<Ui::CriminalTab>(m_ui->tabPenale);
    mount<Ui::AccountingTab>(m_ui->tabContabilita);
    mount<Ui::FreeFields2Tab>(m_ui->tabCampiLiberi2);
    mount<Ui::SubjectsTab>(m_ui->tabSoggetti);
    mount<Ui::RepresentativesTab>(m_ui->tabRappresentanti);

    auto* strip = new QWidget;
    m_headerUi->setupUi(strip);
    auto* holder = new QVBoxLayout(m_ui->ctlTestata1);
    holder->setContentsMargins(0, 0, 0, 0);
    holder->addWidget(strip);

    // The header's fields come right after the archive date, before the tabs.
    QWidget* previous = m_ui->TolDataArch;
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_headerUi->txtPosizione, m_headerUi->txtNumeroRegGenerale, m_headerUi->txtCognomeCliente,
             m_headerUi->txtNomeCliente, m_headerUi->cmdInfoCliente, m_headerUi->txtCognomeControparte,
             m_headerUi->txtNomeControparte, m_headerUi->cmdInfoControparte, m_headerUi->cmbPratica}) {
        setTabOrder(previous, w);
        previous = w;
    }

    // Designer gives an editable combo box no placeholder of its own.
    m_headerUi->txtCognomeCliente->lineEdit()->setPlaceholderText(QStringLiteral("Cognome"));
    m_headerUi->txtCognomeControparte->lineEdit()->setPlaceholderText(QStringLiteral("Cognome"));
    m_headerUi->cmbPratica->lineEdit()->setPlaceholderText(QStringLiteral("Posizione o cliente"));

    nameArrayElements(this, form);
    m_binder = std::make_unique<Binder>(form, this);
    m_headerBinder = std::make_unique<Binder>(header, strip);
}

PraticaView::~PraticaView() = default;

QStringList PraticaView::unboundControls() const {
    return m_binder->unboundControls() + m_headerBinder->unboundControls();
}

QStringList PraticaView::mismatchedControls() const {
    return m_binder->mismatchedControls() + m_headerBinder->mismatchedControls();
}

QWidget* PraticaView::widgetFor(const QString& controlName) const {
    if (QWidget* w = m_binder->widgetFor(controlName)) return w;
    return m_headerBinder->widgetFor(controlName);
}

}  // namespace tolmo::ui
