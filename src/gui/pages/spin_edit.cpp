#include "pages/spin_edit.h"

#include "model/site_lists.h"
#include "views/site_list.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

constexpr int kBoxWidth = 58;
constexpr int kSpinButtonWidth = 15;

}  // namespace

// ---------------------------------------------------------------------------------
// BoxLineEdit

BoxLineEdit::BoxLineEdit(const ParameterBox& box, QWidget* parent) : QLineEdit(parent), box_(box)
{
    setObjectName(QStringLiteral("Edit%1").arg(box.tag));
}

void BoxLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit stepRequested(event->key() == Qt::Key_Up);
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty()) {
        const char32_t key = typed.toUcs4().value(0);
        if (!boxAcceptsKey(box_, key, static_cast<int>(text().size()),
                           static_cast<int>(selectedText().size()))) {
            event->accept();   // discarded, as the character filter of the box says
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void BoxLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit entered();
    // EditEnter selects the whole text; queued, so that a mouse click that gave the
    // focus does not put the cursor back into the text afterwards.
    QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void BoxLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus does not leave the box.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    emit left();
}

// ---------------------------------------------------------------------------------
// SpinEdit

SpinEdit::SpinEdit(ParameterForm& form, int tag, QWidget* parent)
    : QWidget(parent), form_(form), tag_(tag)
{
    setObjectName(QStringLiteral("Edit%1Spin").arg(tag));
    edit_ = new BoxLineEdit(*parameterBox(tag), this);
    edit_->setFixedWidth(kBoxWidth);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("Edit%1Up").arg(tag));
    down_->setObjectName(QStringLiteral("Edit%1Down").arg(tag));
    const int half = edit_->sizeHint().height() / 2;
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(kSpinButtonWidth, half);
        button->setIconSize(QSize(7, 4));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(up_);
    buttons->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit_);
    row->addLayout(buttons);
    setFocusProxy(edit_);

    connect(edit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { report(form_.editChange(tag_, text.toStdString())); });
    connect(edit_, &BoxLineEdit::entered, this, [this] { form_.editEnter(tag_); });
    connect(edit_, &BoxLineEdit::left, this, [this] { report(form_.editExit(tag_)); });
    connect(edit_, &BoxLineEdit::stepRequested, this, &SpinEdit::step);
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });
    syncFromForm();
}

void SpinEdit::step(bool up)
{
    // EditClick: the box takes the focus (leaving another box runs that box's exit
    // rules first), the stepped value goes through the rules, the whole text is selected.
    if (!edit_->hasFocus())
        edit_->setFocus(Qt::OtherFocusReason);
    form_.editClick(tag_, up ? SpinDirection::Up : SpinDirection::Down);
    edit_->selectAll();
}

void SpinEdit::report(const EntryOutcome& outcome)
{
    if (outcome.accepted)
        return;
    emit entryError(QString::fromStdString(outcome.error));
    // The box shows its stored value again, selected, so that what is typed next replaces it.
    edit_->selectAll();
}

void SpinEdit::syncFromForm()
{
    const QString text = QString::fromStdString(form_.boxText(tag_));
    if (edit_->text() != text) {
        const QSignalBlocker blocker(edit_);
        const bool wasSelected = edit_->hasSelectedText() && edit_->selectedText() == edit_->text();
        edit_->setText(text);
        if (wasSelected)
            edit_->selectAll();
    }
    setEnabled(form_.boxEnabled(tag_));
}

// ---------------------------------------------------------------------------------
// LeaderLabel

namespace {

// The longest run of dashes: the leader of a caption.
std::pair<qsizetype, qsizetype> leaderRun(const QString& text)
{
    qsizetype bestStart = 0, bestLength = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != u'-') {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && text[j] == u'-')
            ++j;
        if (j - i > bestLength) {
            bestStart = i;
            bestLength = j - i;
        }
        i = j;
    }
    return {bestStart, bestLength};
}

constexpr qsizetype kShortestLeader = 2;

}  // namespace

LeaderLabel::LeaderLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString LeaderLabel::fittedText(int width) const
{
    QString shown = text();
    const QFontMetrics metrics = fontMetrics();
    const auto [start, length] = leaderRun(shown);
    qsizetype keep = length;
    while (keep > kShortestLeader && metrics.horizontalAdvance(shown) > width) {
        shown.remove(start, 1);
        --keep;
    }
    return shown;
}

QSize LeaderLabel::minimumSizeHint() const
{
    QSize hint = QLabel::minimumSizeHint();
    QString shortest = text();
    const auto [start, length] = leaderRun(shortest);
    if (length > kShortestLeader)
        shortest.remove(start, length - kShortestLeader);
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin() + std::max(indent(), 0);
    hint.setWidth(fontMetrics().horizontalAdvance(shortest) + margins);
    return hint;
}

void LeaderLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin() + std::max(indent(), 0), margin(), -margin(), -margin());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, fittedText(area.width()));
}

// ---------------------------------------------------------------------------------
// Site lists

SiteList* createSiteList(QWidget* parent, const QString& objectName, const CircuitModel& model)
{
    auto* list = new SiteList(parent);
    list->setObjectName(objectName);
    list->setCircuitModel(&model);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(6);
    return list;
}

void fillSiteList(QComboBox* list, int count, int currentIndex)
{
    const QSignalBlocker blocker(list);
    if (list->count() != count) {
        list->clear();
        for (int index = 0; index < count; ++index)
            list->addItem(QString::fromStdString(siteItemText(index)));
    }
    list->setCurrentIndex(currentIndex >= 0 && currentIndex < count ? currentIndex : -1);
    list->update();
}

// ---------------------------------------------------------------------------------
// ParameterPage

ParameterPage::ParameterPage(ParameterForm& form, const char* objectName, QWidget* parent)
    : QWidget(parent), form_(form)
{
    setObjectName(QString::fromLatin1(objectName));
    // The form may outlive the page or be driven after the page is gone.
    form_.addChangeListener([page = QPointer<ParameterPage>(this)] {
        if (page)
            page->syncFromForm();
    });
}

SpinEdit* ParameterPage::addBoxRow(QGridLayout* grid, int row, int tag, const char* caption,
                                   const char* unit)
{
    auto* label = new LeaderLabel(QString::fromLatin1(caption), this);
    label->setObjectName(QStringLiteral("Caption%1").arg(tag));
    auto* box = new SpinEdit(form_, tag, this);
    label->setBuddy(box->edit());
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    if (unit) {
        auto* unitLabel = new QLabel(QString::fromLatin1(unit), this);
        unitLabel->setObjectName(QStringLiteral("Unit%1").arg(tag));
        grid->addWidget(unitLabel, row, 2);
    }
    connect(box, &SpinEdit::entryError, this, &ParameterPage::showEntryError);
    boxes_.push_back(box);
    return box;
}

QRadioButton* ParameterPage::addRadio(int k, const char* text, QWidget* parent)
{
    auto* button = new QRadioButton(QString::fromLatin1(text), parent);
    button->setObjectName(QStringLiteral("RadioButton%1").arg(k));
    // Each Yes/No pair is exclusive on its own, whatever widget holds it.
    if (k % 2 == 0) {
        if (QRadioButton* partner = radios_.count(k - 1) ? radios_[k - 1] : nullptr) {
            QButtonGroup* group = partner->group();
            if (!group) {
                group = new QButtonGroup(this);
                group->addButton(partner);
            }
            group->addButton(button);
        }
    }
    // Checked by the user or by a restored window setting (never by syncFromForm, which
    // blocks the signals): the form runs the handler unless the switch was on already.
    connect(button, &QRadioButton::toggled, this, [this, k](bool checked) {
        if (checked)
            form_.selectRadio(k);
    });
    radios_[k] = button;
    return button;
}

QLabel* ParameterPage::addLabel(const char* text, QWidget* parent, const char* objectName)
{
    const QString caption = QString::fromLatin1(text);
    QLabel* label = caption.contains(QStringLiteral("--")) ? new LeaderLabel(caption, parent)
                                                            : new QLabel(caption, parent);
    if (objectName)
        label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

void ParameterPage::showEntryError(const QString& message)
{
    // The window normally shows the message; a page used on its own still tells the user.
    if (isSignalConnected(QMetaMethod::fromSignal(&ParameterPage::entryError)))
        emit entryError(message);
    else
        QMessageBox::critical(window(), QStringLiteral("Error"), message);
}

SpinEdit* ParameterPage::spinEdit(int tag) const
{
    for (SpinEdit* box : boxes_)
        if (box->tag() == tag)
            return box;
    return nullptr;
}

QRadioButton* ParameterPage::radioButton(int k) const
{
    const auto it = radios_.find(k);
    return it == radios_.end() ? nullptr : it->second;
}

void ParameterPage::syncFromForm()
{
    for (SpinEdit* box : boxes_)
        box->syncFromForm();
    for (const auto& [k, button] : radios_) {
        const QSignalBlocker blocker(button);
        if (form_.radioChecked(k) && !button->isChecked())
            button->setChecked(true);
        button->setEnabled(form_.radioEnabled(k));
    }
}

}  // namespace quorel::gui
