#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui/main_window.h"
#include "support/scripted_prompt.h"
#include "support/temp_folder.h"

namespace meshmill::gui {
namespace {

// One window over a fresh folder (the program's folder) with a scripted prompt.
struct Form {
  testing::TempFolder folder;
  testing::ScriptedPrompt prompt;
  std::unique_ptr<FileSystem> fs = make_native_file_system();
  MainWindow window{prompt, *fs, folder.path()};

  Form() {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window did not show");
  }
  template <class Widget>
  Widget* find(const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  QPushButton* button(const char* name) { return find<QPushButton>(name); }
  QCheckBox* check(const char* name) { return find<QCheckBox>(name); }
  void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
  bool shown(const char* name) { return !find<QWidget>(name)->isHidden(); }
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initial_state();
  void check_all_enables_the_four_settings();
  void check3_hides_the_target_controls();
  void typed_object_names_reach_the_state();
  void screenshot();
};

void WindowTest::initial_state() {
  Form form;
  QCOMPARE(form.window.windowTitle(), QString("Meshmill " MESHMILL_VERSION));
  QCOMPARE(form.button("Analize_filename")->text(), QString("&Indicate and analyze 3d scene file"));
  QCOMPARE(form.button("Start_process")->text(), QString("&Start Process"));
  QVERIFY(form.button("Analize_filename")->isEnabled());
  QVERIFY(form.button("Start_process")->isEnabled());
  QVERIFY(!form.button("Target_filename")->isEnabled());
  QVERIFY(!form.button("Clear_statistics")->isEnabled());
  QVERIFY(!form.button("Open_error_log")->isEnabled());
  QVERIFY(form.button("Start_process")->font().bold());
  QVERIFY(form.check("Check_all")->font().bold());

  const char* ticked[] = {"Check_all", "Check2", "Check5"};
  const char* unticked[] = {"Check_createmat", "Check_splitasc", "Check_flip3daxis",
                            "Check_vtextures", "Check1",         "Check3",
                            "Check4",          "Check6"};
  for (const char* name : ticked) QVERIFY2(form.check(name)->isChecked(), name);
  for (const char* name : unticked) QVERIFY2(!form.check(name)->isChecked(), name);
  for (const char* name :
       {"Check_createmat", "Check_splitasc", "Check_flip3daxis", "Check_vtextures"}) {
    QVERIFY2(!form.check(name)->isEnabled(), name);
  }
  for (const char* name : {"Label_analize", "Analize_bar", "Label_process", "Process_bar"}) {
    QVERIFY2(!form.shown(name), name);
  }
  QVERIFY(form.find<QLineEdit>("Text_loadfile")->isReadOnly());
  QVERIFY(!form.find<QLineEdit>("Text3")->isReadOnly());
  QVERIFY(form.check("Check_vtextures")->toolTip().contains("absolutly required"));
  QVERIFY(form.find<QProgressBar>("Process_bar")->toolTip().contains("isn't accurate"));
}

void WindowTest::check_all_enables_the_four_settings() {
  Form form;
  form.click("Check_all");
  QVERIFY(!form.check("Check_all")->isChecked());
  for (const char* name :
       {"Check_createmat", "Check_splitasc", "Check_flip3daxis", "Check_vtextures"}) {
    QVERIFY2(form.check(name)->isEnabled(), name);
  }
  form.click("Check_splitasc");
  form.click("Check_all");
  QVERIFY(!form.check("Check_splitasc")->isEnabled());
  QVERIFY(form.check("Check_splitasc")->isChecked());
  QCOMPARE(form.window.session().window.Check_splitasc.value, 1);
}

void WindowTest::check3_hides_the_target_controls() {
  Form form;
  form.click("Check3");
  QVERIFY(!form.shown("Target_filename"));
  QVERIFY(!form.shown("Text_savefile"));
  form.click("Check3");
  QVERIFY(form.shown("Target_filename"));
  QVERIFY(form.shown("Text_savefile"));
}

void WindowTest::typed_object_names_reach_the_state() {
  Form form;
  QTest::keyClicks(form.find<QLineEdit>("Text3"), "Box01,Box02");
  QCOMPARE(form.window.session().window.Text3.text, std::string("Box01,Box02"));
}

// Run on its own by the `screenshot` build target.
void WindowTest::screenshot() {
  Form form;
  QVERIFY(form.window.grab().save(MESHMILL_SCREENSHOT));
}

}  // namespace meshmill::gui

QTEST_MAIN(meshmill::gui::WindowTest)
#include "window_test.moc"
