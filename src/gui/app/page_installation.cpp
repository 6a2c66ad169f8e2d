// The pages of PageControl1 and their stored controls. Each part of the program
// builds its page here on pageWidget(page); the window settings are restored
// right after this function, so every stored control must be registered here.
#include "app/main_window.h"

#include "pages/memo_page.h"
#include "pages/prn_file_page.h"

#include <QAction>
#include <QLayout>

namespace quorel::gui {

void TSDIAppForm::installPages()
{
    const QString section = QStringLiteral("TSDIAppForm");

    memoPage = new MemoPage(*session_, shell_.memo, pageWidget(TabSheet_memo));
    pageWidget(TabSheet_memo)->layout()->addWidget(memoPage);
    connect(memoPage, &MemoPage::editMenuEnabledChanged, this, &TSDIAppForm::setEditMenuEnabled);
    const std::pair<QAction*, MemoCommand> editItems[] = {
        {CutItem, MemoCommand::Cut},       {CopyItem, MemoCommand::Copy},
        {PasteItem, MemoCommand::Paste},   {DeleteItem, MemoCommand::Delete},
        {SelectAllItem, MemoCommand::SelectAll}, {UndoItem, MemoCommand::Undo},
    };
    for (const auto& [item, command] : editItems)
        connect(item, &QAction::triggered, memoPage, [this, c = command] { memoPage->runCommand(c); });

    prnFilePage = new PrnFilePage(*session_, pageWidget(TabSheet_prn));
    pageWidget(TabSheet_prn)->layout()->addWidget(prnFilePage);
    prnFilePage->registerSettings(settings_, section);

    installParameterPages();
    installMoviePage();
    installResultPage();
    installEcgPages();
}

}  // namespace quorel::gui
