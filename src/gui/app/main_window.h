#pragma once
// TSDIAppForm: the main window with its page control.

#include "model/circuit_model.h"

#include <QMainWindow>
#include <memory>

class QTabWidget;

namespace quorel::gui {

// Page indices of PageControl1, in their fixed order.
enum Page {
    TabSheet_general, TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2, TabSheet_dc,
    TabSheet_bs, TabSheet_des, TabSheet_des2, TabSheet_param4, TabSheet_res1, TabSheet_memo,
    TabSheet_prn, TabSheet_movie, TabSheet_ecgset, TabSheet_ecg, PageCount
};

class TSDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    CircuitModel& model() { return *model_; }
    QTabWidget* PageControl1 = nullptr;

private:
    void createPages();

    std::unique_ptr<CircuitModel> model_;
};

}  // namespace quorel::gui
