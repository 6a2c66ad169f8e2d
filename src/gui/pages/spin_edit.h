#pragma once
// The entry controls of the parameter pages and the page base that binds them to the
// parameter form: every event goes to the form, and after every finished operation of
// the form each page copies the form's state back with the controls' signals blocked.

#include "model/parameter_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <map>
#include <vector>

class QComboBox;
class QGridLayout;
class QRadioButton;
class QToolButton;

namespace quorel::gui {

class SiteList;

// The box of a SpinEdit: filters keys through the form's character filters and limit,
// selects its whole text when it receives the focus, and reports focus and arrow keys.
class BoxLineEdit : public QLineEdit {
    Q_OBJECT
public:
    BoxLineEdit(const ParameterBox& box, QWidget* parent);

signals:
    void entered();
    void left();
    void stepRequested(bool up);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ParameterBox box_;
};

// EditN with its two spin buttons (EditNUp, EditNDown).
class SpinEdit : public QWidget {
    Q_OBJECT
public:
    SpinEdit(ParameterForm& form, int tag, QWidget* parent);

    int tag() const { return tag_; }
    QLineEdit* edit() const { return edit_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }
    void syncFromForm();

signals:
    void entryError(const QString& message);

private:
    void step(bool up);
    void report(const EntryOutcome& outcome);

    ParameterForm& form_;
    int tag_;
    BoxLineEdit* edit_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

// A caption whose run of dashes leads the eye to its box. The text stays the caption as
// written; when the page is narrower than the caption (large fonts), the dashes are
// shortened so that the words and the arrow stay whole.
class LeaderLabel : public QLabel {
    Q_OBJECT
public:
    LeaderLabel(const QString& caption, QWidget* parent);
    QSize minimumSizeHint() const override;
    // The text as drawn into the given width.
    QString fittedText(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The one place where the pages make and fill their site lists: owner-drawn, each
// item in the colour of its site's region of `model`.
SiteList* createSiteList(QWidget* parent, const QString& objectName, const CircuitModel& model);
// Items "site1" .. "site" + count (rebuilt only when the count changed) and the current
// item; repainted, since the stimulus site and the regions may have moved.
void fillSiteList(QComboBox* list, int count, int currentIndex);

// A parameter page: a widget bound to the form. Subclasses build their controls with
// the helpers and extend syncFromForm for their labels and switches.
class ParameterPage : public QWidget {
    Q_OBJECT
public:
    ParameterPage(ParameterForm& form, const char* objectName, QWidget* parent);

    // Copies every box text, enabled state and switch state from the form.
    virtual void syncFromForm();
    SpinEdit* spinEdit(int tag) const;
    QRadioButton* radioButton(int k) const;

signals:
    // A text that is no number was typed, pasted or left in a box: the window shows it
    // (without a receiver the page shows it in a message box itself).
    void entryError(const QString& message);

protected:
    // One row: caption left, box, unit right.
    SpinEdit* addBoxRow(QGridLayout* grid, int row, int tag, const char* caption,
                        const char* unit = nullptr);
    // RadioButtonK: becoming checked (a click, a key, a restored setting) runs the
    // form's handler; each Yes/No pair is exclusive.
    QRadioButton* addRadio(int k, const char* text, QWidget* parent);
    QLabel* addLabel(const char* text, QWidget* parent, const char* objectName = nullptr);

    ParameterForm& form_;

private:
    void showEntryError(const QString& message);

    std::vector<SpinEdit*> boxes_;
    std::map<int, QRadioButton*> radios_;
};

}  // namespace quorel::gui
