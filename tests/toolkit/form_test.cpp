// Modal forms: results from buttons, Enter and Escape, the close box, key
// preview, and exceptions of handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>

#include "host/graphics/errors.h"
#include "host/toolkit/button.h"
#include "host/toolkit/custom_edit.h"
#include "host/toolkit/form.h"
#include "host/toolkit/test_hooks.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

struct Dialog {
  TForm form;
  TButton* ok = new TButton(&form);
  TButton* cancel = new TButton(&form);
  TButton* clear = new TButton(&form);
  TCustomEdit* edit = new TCustomEdit(&form);
  Dialog() {
    form.resize(300, 200);
    ok->setGeometry(10, 10, 75, 25);
    ok->setModalResult(mrOk);
    ok->setDefault(true);
    cancel->setGeometry(10, 40, 75, 25);
    cancel->setModalResult(mrCancel);
    cancel->setCancel(true);
    clear->setGeometry(10, 70, 75, 25);
    clear->setModalResult(5);
    clear->setCancel(true);
    edit->setGeometry(100, 10, 100, 25);
  }
};

TEST(FormTest, ButtonSetsModalResultBeforeItsClickHandlerRuns) {
  Dialog d;
  int seenInHandler = -1;
  d.clear->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, d.clear);
    seenInHandler = d.form.ModalResult();
  };
  test_hooks::ScriptModal([&](TForm& form) {
    EXPECT_EQ(&form, &d.form);
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(d.clear, Qt::LeftButton);
  });
  EXPECT_EQ(d.form.ShowModal(), 5);
  EXPECT_EQ(seenInHandler, 5);
  EXPECT_FALSE(d.form.isVisible());
}

TEST(FormTest, EnterClicksTheDefaultButtonAndEscapeTheFirstCancelButton) {
  Dialog d;
  test_hooks::ScriptModal([&](TForm&) { QTest::keyClick(d.edit, Qt::Key_Return); });
  EXPECT_EQ(d.form.ShowModal(), mrOk);

  int cancelClicks = 0, clearClicks = 0;
  d.cancel->OnClick = [&](TObject*) { ++cancelClicks; };
  d.clear->OnClick = [&](TObject*) { ++clearClicks; };
  test_hooks::ScriptModal([&](TForm&) { QTest::keyClick(d.edit, Qt::Key_Escape); });
  EXPECT_EQ(d.form.ShowModal(), mrCancel);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(clearClicks, 0);
}

TEST(FormTest, EnterOnAFocusedButtonClicksThatButton) {
  Dialog d;
  d.clear->setFocusPolicy(Qt::StrongFocus);
  test_hooks::ScriptModal([&](TForm&) {
    d.clear->setFocus();
    QTest::keyClick(d.clear, Qt::Key_Return);
  });
  EXPECT_EQ(d.form.ShowModal(), 5);
}

TEST(FormTest, WithoutDefaultOrCancelButtonEnterAndEscapeDoNotEndTheForm) {
  TForm form;
  auto* edit = new TCustomEdit(&form);
  test_hooks::ScriptModal([&](TForm& f) {
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(f.ModalResult(), mrNone);
    f.SetModalResult(mrRetry);
  });
  EXPECT_EQ(form.ShowModal(), mrRetry);
}

TEST(FormTest, CloseBoxGivesTwo) {
  Dialog d;
  test_hooks::ScriptModal([&](TForm& form) { form.close(); });
  EXPECT_EQ(d.form.ShowModal(), mrCancel);
}

TEST(FormTest, ModalResultStartsAtZeroAndAResultSetWhileShowingEndsAtOnce) {
  Dialog d;
  d.form.SetModalResult(mrOk);
  int shows = 0;
  d.form.OnShow = [&](TObject*) {
    ++shows;
    EXPECT_EQ(d.form.ModalResult(), mrNone);
    d.form.SetModalResult(mrAbort);
  };
  EXPECT_EQ(d.form.ShowModal(), mrAbort);
  EXPECT_EQ(shows, 1);
}

TEST(FormTest, AScriptThatLeavesNoResultEndsWithCancel) {
  Dialog d;
  test_hooks::ScriptModal([](TForm&) {});
  EXPECT_EQ(d.form.ShowModal(), mrCancel);
  EXPECT_EQ(test_hooks::PendingScripts(), 0);
}

TEST(FormTest, KeyPreviewShowsKeysToTheFormBeforeTheFocusedControl) {
  Dialog d;
  d.form.SetKeyPreview(true);
  std::vector<std::string> order;
  d.form.OnKeyDown = [&](TObject* sender, Word& key, TShiftState shift) {
    EXPECT_EQ(sender, &d.form);
    order.push_back("form down " + std::to_string(key) + (shift.Contains(ssCtrl) ? " ctrl" : ""));
    if (key == 'Z') key = 0;  // swallowed
  };
  d.form.OnKeyPress = [&](TObject*, char& key) {
    order.push_back(std::string("form press ") + key);
  };
  d.edit->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
    order.push_back("edit down " + std::to_string(key));
  };
  d.edit->OnKeyPress = [&](TObject*, char& key) {
    order.push_back(std::string("edit press ") + key);
  };
  test_hooks::ScriptModal([&](TForm& form) {
    d.edit->setFocus();
    QTest::keyClick(d.edit, Qt::Key_A);
    QTest::keyClick(d.edit, Qt::Key_Z);
    QTest::keyClick(d.edit, Qt::Key_C, Qt::ControlModifier);
    form.SetModalResult(mrOk);
  });
  d.form.ShowModal();
  // Ctrl itself is a key too.
  const std::vector<std::string> expected = {
      "form down 65",    "form press a",      "edit down 65",   "edit press a",
      "form down 90",    "form down 17 ctrl", "edit down 17",   "form down 67 ctrl",
      "form press \x03", "edit down 67",      "edit press \x03"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(d.edit->Text(), "a");
}

TEST(FormTest, AFormThatZeroesACharacterKeepsItFromTheControl) {
  Dialog d;
  d.form.SetKeyPreview(true);
  d.form.OnKeyPress = [&](TObject*, char& key) {
    if (key == 'x') key = 0;
  };
  test_hooks::ScriptModal([&](TForm& form) {
    d.edit->setFocus();
    QTest::keyClicks(d.edit, "axb");
    form.SetModalResult(mrOk);
  });
  d.form.ShowModal();
  EXPECT_EQ(d.edit->Text(), "ab");
}

TEST(FormTest, OnKeyCharSeesEveryCharacterOfKeysAndInputMethodsWhole) {
  Dialog d;
  d.form.SetKeyPreview(true);
  std::vector<std::string> chars;
  d.form.OnKeyChar = [&](TObject* sender, std::string& key) {
    EXPECT_EQ(sender, &d.form);
    chars.push_back(key);
    if (key == "x") key.clear();
  };
  auto commit = [&](const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(d.edit, &event);
  };
  test_hooks::ScriptModal([&](TForm& form) {
    d.edit->setFocus();
    QTest::sendKeyEvent(QTest::Click, d.edit, Qt::Key(0x20AC), QString("€"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, d.edit, Qt::Key_unknown, QString("😀"), Qt::NoModifier);
    QTest::keyClick(d.edit, Qt::Key_Backspace);
    QTest::keyClicks(d.edit, "xa");
    commit("日本");
    commit("x");
    form.SetModalResult(mrOk);
  });
  d.form.ShowModal();
  const std::vector<std::string> expected = {"€", "😀", "\b", "x", "a", "日", "本", "x"};
  EXPECT_EQ(chars, expected);
  // What the form did not consume reached the edit.
  EXPECT_EQ(d.edit->Text(), "€a日本");
  // Such a form asks the input method to serve a control that takes none.
  QInputMethodQueryEvent query(Qt::ImEnabled);
  QApplication::sendEvent(d.ok, &query);
  EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
  Dialog plain;
  plain.form.SetKeyPreview(true);
  QInputMethodQueryEvent plainQuery(Qt::ImEnabled);
  QApplication::sendEvent(plain.ok, &plainQuery);
  EXPECT_FALSE(plainQuery.value(Qt::ImEnabled).toBool());
}

TEST(FormTest, KeysOfAnotherWindowOverTheFormAreNotTheForms) {
  Dialog d;
  d.form.SetKeyPreview(true);
  int formKeys = 0;
  d.form.OnKeyDown = [&](TObject*, Word&, TShiftState) { ++formKeys; };
  QDialog box(&d.form);
  auto* line = new QLineEdit(&box);
  test_hooks::ScriptModal([&](TForm& form) {
    box.show();
    QTest::keyClick(line, Qt::Key_A);
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(form.ModalResult(), mrNone);
    box.hide();
    form.SetModalResult(mrNo);
  });
  EXPECT_EQ(d.form.ShowModal(), mrNo);
  EXPECT_EQ(formKeys, 0);
  EXPECT_EQ(line->text(), "a");
}

TEST(FormTest, AnExceptionOfAHandlerIsShownAndTheFormGoesOn) {
  Dialog d;
  d.ok->SetModalResult(mrNone);
  d.ok->OnClick = [](TObject*) { throw EReadError("Cannot read \"a.bmp\"."); };
  test_hooks::ScriptModal([&](TForm& form) {
    QTest::mouseClick(d.ok, Qt::LeftButton);
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.SetModalResult(mrIgnore);
  });
  EXPECT_EQ(d.form.ShowModal(), mrIgnore);
  const auto messages = test_hooks::TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "Cannot read \"a.bmp\".");
  EXPECT_EQ(messages[0].Type, mtError);
}

TEST(FormTest, ModalFormsNest) {
  Dialog outer;
  Dialog inner;
  int innerResult = -1;
  outer.ok->OnClick = [&](TObject*) { innerResult = inner.form.ShowModal(); };
  test_hooks::ScriptModal([&](TForm&) { QTest::mouseClick(outer.ok, Qt::LeftButton); });
  test_hooks::ScriptModal([&](TForm&) { QTest::mouseClick(inner.clear, Qt::LeftButton); });
  EXPECT_EQ(outer.form.ShowModal(), mrOk);
  EXPECT_EQ(innerResult, 5);
}

TEST(FormTest, CreateAndDestroyRunOnce) {
  int creates = 0, destroys = 0;
  {
    TForm form;
    form.OnCreate = [&](TObject*) { ++creates; };
    form.OnDestroy = [&](TObject*) { ++destroys; };
    form.DoCreate();
    form.DoCreate();
    form.DoDestroy();
    form.DoDestroy();
  }
  EXPECT_EQ(creates, 1);
  EXPECT_EQ(destroys, 1);
}

}  // namespace
}  // namespace pictor
