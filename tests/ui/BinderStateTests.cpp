// State flowing between the form's controls and the view's widgets.
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "SampleView.h"

namespace tolmo::ui::test {
namespace {

TEST_F(BoundView, EveryControlFindsItsWidgetByName) {
    form.make<Control>(QStringLiteral("txtSenzaWidget"), ControlKind::TextBox);
    bind();
    EXPECT_EQ(binder->unboundControls(), QStringList{QStringLiteral("txtSenzaWidget")});
    EXPECT_TRUE(binder->mismatchedControls().isEmpty());
    EXPECT_EQ(binder->widgetFor(QStringLiteral("txtCampo(1)")), ui.txtCampo_1);
}

TEST_F(BoundView, MissingOptionButtonsAndWrongWidgetsAreReported) {
    delete ui.optTipo_2;
    form::CheckBox& wrong = form.make<form::CheckBox>(QStringLiteral("lblSbagliato"));
    auto* label = new QLabel(&root);
    label->setObjectName(wrong.name());
    bind();
    EXPECT_EQ(binder->unboundControls(), QStringList{QStringLiteral("optTipo_2")});
    EXPECT_EQ(binder->mismatchedControls(), QStringList{wrong.name()});
}

TEST_F(BoundView, WhatTheControlLacksComesFromTheView) {
    form.cmdOK.setCaption(QStringLiteral("Conferma"));
    bind();
    EXPECT_EQ(form.caption(), QStringLiteral("Pratica di prova"));
    EXPECT_EQ(form.lblNome.caption(), QStringLiteral("Nome:"));
    EXPECT_EQ(form.txtNome.toolTip(), QStringLiteral("Nome della parte"));
    EXPECT_EQ(form.tabPagine.tabCaption(1), QStringLiteral("Parti"));
    EXPECT_EQ(form.txtNome.left(), 80 * 15);
    EXPECT_EQ(form.txtNome.width(), 150 * 15);
    EXPECT_EQ(ui.cmdOK->text(), QStringLiteral("Conferma"));
}

TEST_F(BoundView, TextFlowsBothWays) {
    bind();
    form.txtNome.setText(QStringLiteral("Rossi"));
    EXPECT_EQ(ui.txtNome->text(), QStringLiteral("Rossi"));
    form.txtNote.setText(QStringLiteral("riga 1\nriga 2"));
    EXPECT_EQ(ui.txtNote->toPlainText(), QStringLiteral("riga 1\nriga 2"));
    int changes = 0;
    form.txtNome.on(EventKind::Change, [&](form::ControlEvent&) {
        ++changes;
        form.txtNome.setText(form.txtNome.text().toUpper());
    });
    ui.txtNome->clear();
    QTest::keyClicks(ui.txtNome, QStringLiteral("bi"));
    EXPECT_EQ(form.txtNome.text(), QStringLiteral("BI"));
    EXPECT_EQ(ui.txtNome->text(), QStringLiteral("BI"));
    EXPECT_EQ(ui.txtNome->cursorPosition(), 2);
    EXPECT_EQ(changes, 4);  // each key, then each upper-casing
    ui.txtNote->setPlainText(QStringLiteral("scritta"));
    EXPECT_EQ(form.txtNote.text(), QStringLiteral("scritta"));
}

TEST_F(BoundView, ComboLeavesOutTheColumnsTheViewHides) {
    ui.cmbStato->setProperty("hiddenColumns", QStringLiteral("1"));
    form.cmbStato.setRows({QStringLiteral("Aperta\tA"), QStringLiteral("Chiusa\tC")});
    bind();
    auto* table = qobject_cast<QTableView*>(ui.cmbStato->view());
    ASSERT_NE(table, nullptr);
    EXPECT_FALSE(table->isColumnHidden(0));
    EXPECT_TRUE(table->isColumnHidden(1));
    EXPECT_EQ(ui.cmbStato->model()->index(1, 1).data().toString(), QStringLiteral("C"));  // still there
    form.cmbStato.setRows({QStringLiteral("Sospesa\tS")});
    EXPECT_TRUE(table->isColumnHidden(1));
}

TEST_F(BoundView, LongTextShownByTheFormReadsFromItsStart) {
    bind();
    const QString name = QStringLiteral("Immobiliare Le Querce S.r.l. in liquidazione volontaria");
    form.txtNome.setText(name);
    EXPECT_EQ(ui.txtNome->cursorPosition(), 0);
    form.cmbStato.setText(name);
    EXPECT_EQ(ui.cmbStato->lineEdit()->cursorPosition(), 0);
    form.cmbStato.setRows({name + QStringLiteral("\tA")});
    form.cmbStato.setSelectedRow(0);
    EXPECT_EQ(ui.cmbStato->lineEdit()->cursorPosition(), 0);

    ui.cmbStato->lineEdit()->clear();
    QTest::keyClicks(ui.cmbStato, QStringLiteral("Edil"));  // typing still goes on at the end
    EXPECT_EQ(form.cmbStato.text(), QStringLiteral("Edil"));
}

TEST_F(BoundView, LabelShowsWhicheverOfCaptionAndTextCameLast) {
    bind();
    form.lblNome.setText(QStringLiteral("Bianchi"));
    EXPECT_EQ(ui.lblNome->text(), QStringLiteral("Bianchi"));
    form.lblNome.setCaption(QStringLiteral("Cognome:"));
    EXPECT_EQ(ui.lblNome->text(), QStringLiteral("Cognome:"));
}

TEST_F(BoundView, ComboShowsTabColumnsAndTakesThePersonsChoice) {
    form.cmbStato.setRows({QStringLiteral("Aperta\tA"), QStringLiteral("Chiusa\tC")});
    bind();
    watch(form.cmbStato, EventKind::Choose);
    QAbstractItemModel* model = ui.cmbStato->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("C"));
    EXPECT_NE(qobject_cast<QTableView*>(ui.cmbStato->view()), nullptr);
    EXPECT_EQ(ui.cmbStato->currentText(), QString());

    form.cmbStato.setSelectedRow(1);
    EXPECT_EQ(ui.cmbStato->currentIndex(), 1);
    EXPECT_EQ(ui.cmbStato->currentText(), QStringLiteral("Chiusa"));
    form.cmbStato.setSelectedRow(-1);
    form.cmbStato.setText(QStringLiteral("Sospesa"));
    EXPECT_EQ(ui.cmbStato->currentText(), QStringLiteral("Sospesa"));
    EXPECT_TRUE(events.empty());

    ui.cmbStato->setCurrentIndex(-1);
    QTest::keyClick(ui.cmbStato, Qt::Key_Down);
    EXPECT_EQ(form.cmbStato.selectedRow(), 0);
    EXPECT_EQ(form.cmbStato.text(), QStringLiteral("Aperta"));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("cmbStato.Choose@0")}));
    ui.cmbStato->lineEdit()->clear();
    QTest::keyClicks(ui.cmbStato, QStringLiteral("Nuova"));
    EXPECT_EQ(form.cmbStato.text(), QStringLiteral("Nuova"));
    EXPECT_EQ(model->rowCount(), 2);
}

// Numbered rows, as many as asked for in all, a page at a time.
class CountingSource : public form::RowSource {
public:
    explicit CountingSource(int total) : m_total(total) {}
    QList<QStringList> next(int count) override {
        QList<QStringList> rows;
        for (; m_next < m_total && rows.size() < count; ++m_next)
            rows.append({QStringLiteral("Riga %1").arg(m_next), QString::number(m_next)});
        return rows;
    }

private:
    int m_total;
    int m_next = 0;
};

// The popup shows the first page; scrolling it to its end reads the next one, until the last.
TEST_F(BoundView, ComboPopupReadsTheNextPageWhenScrolledToItsEnd) {
    bind();
    const int total = 2 * form::ListControl::kPagina + 5;
    form.cmbStato.setSource(std::make_unique<CountingSource>(total));
    QAbstractItemView* view = ui.cmbStato->view();
    root.show();
    ui.cmbStato->showPopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.cmbStato->count(), form::ListControl::kPagina);  // nothing read before it is seen
    for (int scrolls = 0; form.cmbStato.canFetchMore() && scrolls < 5; ++scrolls) {
        QScrollBar* bar = view->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(form.cmbStato.rowCount(), total);
    EXPECT_EQ(ui.cmbStato->count(), total);
    EXPECT_EQ(view->model()->index(total - 1, 0).data().toString(), QStringLiteral("Riga %1").arg(total - 1));
    view->setCurrentIndex(view->model()->index(total - 1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(form.cmbStato.selectedRow(), total - 1);
}

TEST_F(BoundView, ListBoxRowsAndSelection) {
    bind();
    watch(form.lstAtti, EventKind::Choose);
    form.lstAtti.setRows({QStringLiteral("Citazione\t1"), QStringLiteral("Ricorso\t2")});
    ASSERT_EQ(ui.lstAtti->count(), 2);
    EXPECT_EQ(ui.lstAtti->item(1)->text(), QStringLiteral("Ricorso"));
    form.lstAtti.setSelectedRow(1);
    EXPECT_TRUE(ui.lstAtti->item(1)->isSelected());
    form.lstAtti.setSelectedRow(-1);
    EXPECT_TRUE(ui.lstAtti->selectedItems().isEmpty());
    EXPECT_TRUE(events.empty());
    root.show();
    const QRect row0 = ui.lstAtti->visualItemRect(ui.lstAtti->item(0));
    QTest::mouseClick(ui.lstAtti->viewport(), Qt::LeftButton, {}, row0.center());
    EXPECT_EQ(form.lstAtti.selectedRow(), 0);
    EXPECT_EQ(form.lstAtti.selectedCell(1), QStringLiteral("1"));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("lstAtti.Choose@0")}));
}

TEST_F(BoundView, ListBoxColumnsInTreesAndTables) {
    auto& inTree = form.make<form::ListControl>(QStringLiteral("lstTree"), ControlKind::ListBox, 1);
    auto& inTable = form.make<form::ListControl>(QStringLiteral("lstTable"), ControlKind::ListBox, 1);
    auto* tree = new QTreeWidget(&root);
    tree->setObjectName(inTree.name());
    auto* table = new QTableWidget(&root);
    table->setObjectName(inTable.name());
    bind();
    for (form::ListControl* list : {&inTree, &inTable}) {
        list->setRows({QStringLiteral("Rossi\tMario\tMilano"), QStringLiteral("Verdi")});
        list->setRows({QStringLiteral("Bianchi")});
    }
    EXPECT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Bianchi"));
    EXPECT_EQ(tree->topLevelItem(0)->text(2), QString());  // a tree keeps its columns: emptied
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->columnCount(), 1);
}

TEST_F(BoundView, CheckAndOptionsFollowTheFormAndThePerson) {
    bind();
    watch(form.chkUrgente, EventKind::Click);
    watch(form.optTipo, EventKind::Click);
    form.chkUrgente.setChecked(true);
    EXPECT_TRUE(ui.chkUrgente->isChecked());
    form.optTipo.setIndex(1);
    EXPECT_TRUE(ui.optTipo_1->isChecked());
    form.optTipo.setIndex(-1);
    EXPECT_FALSE(ui.optTipo_0->isChecked() || ui.optTipo_1->isChecked() || ui.optTipo_2->isChecked());
    root.show();
    QTest::mouseClick(ui.chkUrgente, Qt::LeftButton);
    QTest::mouseClick(ui.optTipo_2, Qt::LeftButton);
    EXPECT_FALSE(form.chkUrgente.checked());
    EXPECT_EQ(form.optTipo.index(), 2);
    EXPECT_EQ(events,
              (std::vector<QString>{QStringLiteral("chkUrgente.Click"), QStringLiteral("optTipo.Click:1"),
                                    QStringLiteral("chkUrgente.Click"), QStringLiteral("optTipo.Click:2")}));
}

TEST_F(BoundView, TabsShowVisibilityCaptionAndCurrent) {
    bind();
    watch(form.tabPagine, EventKind::Click);
    form.tabPagine.setTabVisible(1, false);
    form.tabPagine.setTabCaption(2, QStringLiteral("Annotazioni"));
    form.tabPagine.setCurrent(2);
    EXPECT_FALSE(ui.tabPagine->isTabVisible(1));
    EXPECT_EQ(ui.tabPagine->tabText(2), QStringLiteral("Annotazioni"));
    EXPECT_EQ(ui.tabPagine->currentIndex(), 2);
    root.show();
    QTabBar* bar = ui.tabPagine->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(form.tabPagine.current(), 0);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("tabPagine.Click:2"),
                                            QStringLiteral("tabPagine.Click:0")}));
}

TEST_F(BoundView, GridCellsAndCurrentCellFlowBothWays) {
    bind();
    form.grdParti.setColumnCaptions({QStringLiteral("Cognome"), QStringLiteral("Quota")});
    form.grdParti.setTable({{QStringLiteral("Rossi"), 50}, {QStringLiteral("Verdi"), QVariant()}});
    ASSERT_EQ(ui.grdParti->rowCount(), 2);
    EXPECT_EQ(ui.grdParti->item(0, 1)->text(), QStringLiteral("50"));
    EXPECT_EQ(ui.grdParti->horizontalHeaderItem(0)->text(), QStringLiteral("Cognome"));
    form.grdParti.setCurrentCell(1, 0);
    EXPECT_EQ(ui.grdParti->currentRow(), 1);
    int edits = 0;
    form.grdParti.on(form::EventKind::Change, [&](form::ControlEvent& e) {
        EXPECT_EQ(e.row, 1);
        ++edits;
    });
    ui.grdParti->item(1, 0)->setText(QStringLiteral("Neri"));
    QCoreApplication::processEvents();  // the edit reaches the form once the view is done with it
    EXPECT_EQ(form.grdParti.cell(1, 0).toString(), QStringLiteral("Neri"));
    EXPECT_EQ(edits, 1);
    ui.grdParti->setCurrentCell(0, 1);
    EXPECT_EQ(form.grdParti.row(), 0);
    EXPECT_EQ(form.grdParti.col(), 1);
    form.grdParti.setLocked(true);
    EXPECT_EQ(ui.grdParti->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(BoundView, SharedStateReachesTheWidget) {
    bind();
    form.txtNome.setEnabled(false);
    form.cmdOK.setVisible(false);
    form.txtNome.setLocked(true);
    form.find(QStringLiteral("txtCampo(0)"))->setToolTip(QStringLiteral("Campo libero"));
    form.lblNome.setBackColor(0x0000FF);
    EXPECT_FALSE(ui.txtNome->isEnabled());
    EXPECT_TRUE(ui.cmdOK->isHidden());
    EXPECT_TRUE(ui.txtNome->isReadOnly());
    EXPECT_EQ(ui.txtCampo_0->toolTip(), QStringLiteral("Campo libero"));
    EXPECT_EQ(ui.lblNome->palette().color(QPalette::Window), QColor(255, 0, 0));
    form.lblNome.setBackColor(-1);
    EXPECT_FALSE(ui.lblNome->autoFillBackground());
    form.txtNome.setEnabled(true);
    EXPECT_TRUE(ui.txtNome->isEnabled());
}

TEST_F(BoundView, GeometryMovesOnlyWidgetsOutsideLayouts) {
    bind();
    form.txtNome.setGeometry(300, 450, 1500, 330);
    EXPECT_EQ(ui.txtNome->geometry(), QRect(20, 30, 100, 22));
    const QRect before = ui.txtNote->geometry();
    form.txtNote.setGeometry(0, 0, 3000, 3000);
    EXPECT_EQ(ui.txtNote->geometry(), before);
}

}  // namespace
}  // namespace tolmo::ui::test
