#include "app/main_window.h"

#include <QTabWidget>
#include <gtest/gtest.h>

using quorel::gui::TSDIAppForm;

TEST(MainWindow, StartsUntitledWithTheVisiblePagesInOrder)
{
    TSDIAppForm window;
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), "Quorel : [untitled]");

    QStringList visible;
    for (int i = 0; i < window.PageControl1->count(); ++i)
        if (window.PageControl1->isTabVisible(i))
            visible << window.PageControl1->tabText(i);
    EXPECT_EQ(visible.join(',').toStdString(),
              "param1,param2,check,circuit,param3,param4,result,memo,prn / file,movie,ECG set,ECG");
    EXPECT_EQ(window.PageControl1->tabText(1).toStdString(), "loop");
    EXPECT_EQ(window.PageControl1->tabToolTip(5).toStdString(),
              "input --> click the edit button ( use ctrl+C & ctrl+V )");
}
