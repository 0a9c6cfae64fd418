// File, font and message dialogs with scripted answers; help.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "host/toolkit/application.h"
#include "host/toolkit/dialogs.h"
#include "host/toolkit/form.h"
#include "host/toolkit/test_hooks.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

TEST(DialogFilterTest, BarSeparatedPairsBecomeQtNameFilters) {
  EXPECT_EQ(ConvertFilter("Bitmaps (*.bmp)|*.bmp"), QStringList{"Bitmaps (*.bmp)"});
  EXPECT_EQ(ConvertFilter("All (*.bmp;*.jpg;*.ico)|*.bmp;*.jpg;*.ico|JPEG (*.jpg)|*.jpg"),
            (QStringList{"All (*.bmp *.jpg *.ico)", "JPEG (*.jpg)"}));
  EXPECT_EQ(ConvertFilter("Everything|*.*"), QStringList{"Everything (*)"});
  EXPECT_EQ(ConvertFilter("Text files|*.txt; *.log|Lonely"),
            (QStringList{"Text files (*.txt *.log)", "Lonely (*)"}));
  EXPECT_TRUE(ConvertFilter("").isEmpty());
}

TEST(FileDialogTest, AScriptedNameGetsTheDefaultExtension) {
  TSavePictureDialog save;
  save.Title = "Save picture";
  save.Filter = "Bitmaps (*.bmp)|*.bmp";
  save.DefaultExt = ".bmp";
  test_hooks::ScriptFileDialog("/tmp/picture");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/picture.bmp");
  test_hooks::ScriptFileDialog("/tmp/photo.JPG");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/photo.JPG");
  const auto calls = test_hooks::TakeFileDialogCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Title, "Save picture");
  EXPECT_EQ(calls[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_TRUE(calls[0].Save);
}

TEST(FileDialogTest, CancelKeepsTheFileName) {
  TOpenPictureDialog open;
  open.FileName = "before.bmp";
  test_hooks::ScriptFileDialog(std::nullopt);
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName, "before.bmp");
  EXPECT_FALSE(test_hooks::TakeFileDialogCalls().at(0).Save);
}

TEST(FontDialogTest, AConfirmedScriptChangesTheFontACancelledOneDoesNot) {
  TFontDialog dialog;
  dialog.Font.Name = "Arial";
  test_hooks::ScriptFontDialog([](TFont& font) {
    EXPECT_EQ(font.Name, "Arial");
    font.Height = -20;
    font.Style = TFontStyles{fsBold};
    return true;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Font.Height, -20);
  EXPECT_TRUE(dialog.Font.Style.Contains(fsBold));
  test_hooks::ScriptFontDialog([](TFont& font) {
    font.Height = -40;
    return false;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Font.Height, -20);
}

TEST(MessageTest, CapturedMessagesAnswerAsScripted) {
  test_hooks::CaptureMessages(true, mrOk);
  EXPECT_EQ(MessageDlg("NIL!", mtError, TMsgDlgButtons{mbOK}, 0), mrOk);
  const auto messages = test_hooks::TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "NIL!");
  EXPECT_EQ(messages[0].Type, mtError);
}

TEST(MessageTest, TheWindowUnderABoxGetsTheKeyboardBackWhenTheBoxCloses) {
  test_hooks::CaptureMessages(false);
  TForm form;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  // The real box, closed with Enter as a user does; a desktop without a
  // window manager then leaves the keyboard where it was last (here: with
  // another window).
  QWidget elsewhere;
  QTimer::singleShot(0, &form, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    QTest::keyClick(box, Qt::Key_Return);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
  });
  EXPECT_EQ(MessageDlg("The help file does not exist.", mtError, {mbOK}, 0), mrOk);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form, 1000));
}

TEST(HelpTest, AMissingHelpFileIsAnErrorThatNamesIt) {
  Application->HelpFile = "/nonexistent/folder/Pictor.hlp";
  try {
    Application->HelpContext(901);
    FAIL() << "no error";
  } catch (const EHelpError& e) {
    EXPECT_NE(std::string(e.what()).find("\"/nonexistent/folder/Pictor.hlp\""), std::string::npos)
        << e.what();
  }
  Application->HelpFile.clear();
  EXPECT_THROW(Application->HelpContext(901), EHelpError);
}

TEST(HelpTest, TheActiveFormsHelpFileIsOpened) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Pictor.hlp");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("help");
  file.close();
  test_hooks::CaptureHelp(true);
  Application->HelpFile = "/nonexistent/Other.hlp";
  TForm form;
  form.HelpFile = path.toStdString();
  test_hooks::ScriptModal([](TForm& f) {
    EXPECT_TRUE(Application->HelpContext(f.HelpContext()));
    f.SetModalResult(mrOk);
  });
  form.ShowModal();
  test_hooks::CaptureHelp(false);
  EXPECT_EQ(test_hooks::TakeHelpFiles(), std::vector<std::string>{path.toStdString()});
  Application->HelpFile.clear();
}

TEST(HelpTest, AHelpFileIsShownByTheManualBesideItAtTheContextsSection) {
  QTemporaryDir dir;
  for (const char* name : {"Pictor.hlp", "Pictor.html", "Notes.txt"}) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const std::string folder = dir.path().toStdString() + "/";
  test_hooks::CaptureHelp(true);
  for (const char* name : {"Pictor.hlp", "Pictor.HLP", "Notes.txt"}) {
    Application->HelpFile = folder + name;
    EXPECT_TRUE(Application->HelpContext(901));
  }
  // The manual alone stands for its help file too.
  QFile::remove(dir.filePath("Pictor.hlp"));
  Application->HelpFile = folder + "Pictor.hlp";
  EXPECT_TRUE(Application->HelpContext(7));
  test_hooks::CaptureHelp(false);
  EXPECT_EQ(test_hooks::TakeHelpFiles(),
            (std::vector<std::string>{folder + "Pictor.html#context-901",
                                      folder + "Pictor.html#context-901", folder + "Notes.txt",
                                      folder + "Pictor.html#context-7"}));
  Application->HelpFile.clear();
}

TEST(HelpTest, TheExecutablesFolderIsKnown) {
  const std::string dir = TApplication::ExeDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(QFile::exists(QString::fromStdString(dir + "test_toolkit")));
}

}  // namespace
}  // namespace pictor
