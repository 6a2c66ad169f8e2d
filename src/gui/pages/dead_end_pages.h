#pragma once
// "DE1" and "DE2": the two dead-end pathways (Edit11..Edit13, Edit14..Edit16), each
// shown while its pathway is on, with the labels that tell where the pathway may hang.

#include "pages/spin_edit.h"

class QGridLayout;
class QLabel;

namespace quorel::gui {

// What both pathway pages share: the three boxes with their captions.
class DeadEndPage : public ParameterPage {
    Q_OBJECT
protected:
    using ParameterPage::ParameterPage;
    // The pathway's site, distance and number of segments (Edit11..13 or Edit14..16).
    QGridLayout* pathwayBoxes(int firstTag);
};

class DeadEnd1Page : public DeadEndPage {
    Q_OBJECT
public:
    explicit DeadEnd1Page(ParameterForm& form, QWidget* parent = nullptr);
    void syncFromForm() override;

    QLabel* Label25 = nullptr;   // n
    QLabel* Label28 = nullptr;   // connectionSite
};

class DeadEnd2Page : public DeadEndPage {
    Q_OBJECT
public:
    explicit DeadEnd2Page(ParameterForm& form, QWidget* parent = nullptr);
    void syncFromForm() override;

    QLabel* Label34 = nullptr;   // n
    QLabel* Label37 = nullptr;   // connectionSite
    QLabel* Label39 = nullptr;   // deadEnd1Site
    // The check page carries Label79; the same message stands here, beside the box
    // where the conflict is typed.
    QLabel* conflictMessage = nullptr;
};

}  // namespace quorel::gui
