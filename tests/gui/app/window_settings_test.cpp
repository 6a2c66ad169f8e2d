#include "app/main_window.h"
#include "app/window_settings.h"
#include "pages/prn_file_page.h"
#include "shell_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

using WindowSettingsTest = ShellFixture;

namespace {

void writeIni(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

}  // namespace

TEST_F(WindowSettingsTest, TheMainWindowStoresItsOptionsAtExitAndRestoresThemAtStart)
{
    {
        auto window = makeWindow();
        window->show();
        window->selectPage(TabSheet_prn);
        PrnFilePage* page = window->prnFilePage;
        const QString keys = window->windowSettings().keys().join(',');
        EXPECT_TRUE(keys.startsWith(
            "TSDIAppForm/CheckBox1.Checked,TSDIAppForm/CheckBox2.Checked,TSDIAppForm/CheckBox3.Checked,"
            "TSDIAppForm/CheckBox4.Checked,TSDIAppForm/CheckBox5.Checked,"
            "TSDIAppForm/RadioButtonS1.Checked,TSDIAppForm/RadioButtonS2.Checked"))
            << keys.toStdString();
        // Every stored property of the main window and the scheme window.
        for (const char* key :
             {"TSDIAppForm/CheckBox6.Checked", "TSDIAppForm/CheckBox7.Checked", "TSDIAppForm/CheckBoxERP.Checked",
              "TSDIAppForm/RadioButton9.Checked", "TSDIAppForm/RadioButton10.Checked",
              "TSDIAppForm/RadioButton11.Checked", "TSDIAppForm/RadioButton12.Checked", "TSDIAppForm/Label205.Left",
              "TSDIAppForm/PaintBox2.Height", "TSDIAppForm/PaintBox2.Width", "TSDIAppForm/PaintBoxM.Width",
              "TSDIAppForm/PaintBoxM.Height", "TSDIAppForm/Panel11.Width", "TSDIAppForm/Panel11.Height",
              "TSDIAppForm/CheckBox8.Checked", "TSDIAppForm/RadioButtonSS1.Checked",
              "TSDIAppForm/RadioButtonSS2.Checked", "TSDIAppForm/RadioButtonSS3.Checked",
              "TForm4/RadioButton1.Checked", "TForm4/RadioButton2.Checked", "TForm4/RadioButton3.Checked"})
            EXPECT_TRUE(keys.contains(key)) << key << " in " << keys.toStdString();
        QTest::mouseClick(page->CheckBox1, Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(page->CheckBox3, Qt::LeftButton, {}, QPoint(6, 8));
        page->CheckBox5->setChecked(true);   // stored even while disabled
        QTest::mouseClick(page->RadioButtonS1, Qt::LeftButton, {}, QPoint(6, 8));
        ASSERT_EQ(window->session().saveFormat, 0);
        EXPECT_TRUE(window->close());
    }
    QSettings stored(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("TSDIAppForm/CheckBox1.Checked").toInt(), 0);
    EXPECT_EQ(stored.value("TSDIAppForm/CheckBox3.Checked").toInt(), 1);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButtonS1.Checked").toInt(), 1);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButtonS2.Checked").toInt(), 0);

    auto again = makeWindow();
    PrnFilePage* page = again->prnFilePage;
    EXPECT_FALSE(page->CheckBox1->isChecked());
    EXPECT_FALSE(page->CheckBox2->isChecked());
    EXPECT_TRUE(page->CheckBox3->isChecked());
    EXPECT_TRUE(page->CheckBox5->isChecked());
    EXPECT_FALSE(page->CheckBox5->isEnabled());
    EXPECT_TRUE(page->RadioButtonS1->isChecked());
    EXPECT_FALSE(page->RadioButtonS2->isChecked());
    EXPECT_EQ(again->session().saveFormat, 0);   // restored through the button's own handler
}

TEST_F(WindowSettingsTest, AFileWithGapsOrNonsenseChangesOnlyWhatItClearlyHolds)
{
    writeIni(settingsPath(), "[TSDIAppForm]\n"
                             "CheckBox2.Checked=1\n"
                             "CheckBox1.Checked=yes\n"
                             "RadioButtonS1.Checked=1\n"
                             "RadioButtonS2.Checked=1\n");
    auto window = makeWindow();
    PrnFilePage* page = window->prnFilePage;
    EXPECT_TRUE(page->CheckBox1->isChecked());   // "yes" is not a number: left as it was
    EXPECT_TRUE(page->CheckBox2->isChecked());
    EXPECT_FALSE(page->CheckBox3->isChecked());
    // Two radio buttons claiming the same group: the later one wins, as two clicks would.
    EXPECT_TRUE(page->RadioButtonS2->isChecked());
    EXPECT_FALSE(page->RadioButtonS1->isChecked());
    EXPECT_EQ(window->session().saveFormat, 1);

    QFile::remove(settingsPath());
    auto fresh = makeWindow();
    EXPECT_TRUE(fresh->prnFilePage->CheckBox1->isChecked());
    EXPECT_TRUE(fresh->prnFilePage->RadioButtonS2->isChecked());
    EXPECT_EQ(fresh->session().saveFormat, 1);
}

TEST_F(WindowSettingsTest, RestoringRunsTheHandlersOfChangedControlsOnly)
{
    QCheckBox box;
    box.setObjectName("CheckBox6");
    QWidget group;
    QRadioButton& first = *new QRadioButton(&group);
    QRadioButton& second = *new QRadioButton(&group);
    first.setObjectName("RadioButton9");
    second.setObjectName("RadioButton10");
    first.setChecked(true);
    int boxRuns = 0, firstRuns = 0, secondRuns = 0, height = 100;
    QObject::connect(&box, &QCheckBox::toggled, [&] { ++boxRuns; });
    QObject::connect(&first, &QRadioButton::toggled, [&](bool on) { firstRuns += on; });
    QObject::connect(&second, &QRadioButton::toggled, [&](bool on) { secondRuns += on; });

    WindowSettings settings;
    settings.addButton("TSDIAppForm", &box);
    settings.addButton("TSDIAppForm", &first);
    settings.addButton("TSDIAppForm", &second);
    settings.addValue("TSDIAppForm", "PaintBox2.Height", [&] { return height; }, [&](int v) { height = v; });

    writeIni(settingsPath(), "[TSDIAppForm]\nCheckBox6.Checked=1\nRadioButton9.Checked=0\n"
                             "RadioButton10.Checked=1\nPaintBox2.Height=240\n");
    settings.restore(settingsPath());
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(boxRuns, 1);
    EXPECT_TRUE(second.isChecked());
    EXPECT_EQ(secondRuns, 1);
    EXPECT_EQ(firstRuns, 0);
    EXPECT_EQ(height, 240);

    settings.restore(settingsPath());   // already so: no handler runs again
    EXPECT_EQ(boxRuns, 1);
    EXPECT_EQ(secondRuns, 1);

    height = 180;
    box.setChecked(false);
    ASSERT_TRUE(settings.save(settingsPath()));
    QSettings stored(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("TSDIAppForm/PaintBox2.Height").toInt(), 180);
    EXPECT_EQ(stored.value("TSDIAppForm/CheckBox6.Checked").toInt(), 0);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButton10.Checked").toInt(), 1);
}

TEST_F(WindowSettingsTest, SettingsThatCannotBeWrittenAreReportedAtExit)
{
    // A plain file where the settings folder should be.
    const QString blocker = dir.filePath("blocker");
    writeIni(blocker, "not a folder");
    ShellOptions o = options();
    o.settingsPath = blocker + "/Quorel.INI";
    WindowSettings settings;
    EXPECT_FALSE(settings.save(o.settingsPath));
    EXPECT_FALSE(settings.save(QString()));

    TSDIAppForm window(o);
    window.show();
    EXPECT_TRUE(window.close());   // the exit goes on
    EXPECT_EQ(errors, QStringList{"Could not save window settings"});

    // Without a settings file nothing is written and nothing is reported.
    errors.clear();
    ShellOptions none = options();
    none.settingsPath.clear();
    TSDIAppForm quiet(none);
    quiet.show();
    EXPECT_TRUE(quiet.close());
    EXPECT_TRUE(errors.isEmpty());
}
