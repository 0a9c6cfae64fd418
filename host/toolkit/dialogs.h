// The standard dialogs: opening and saving picture files, choosing a font,
// and message boxes. Tests script their answers through test_hooks.h.
#pragma once

#include <string>
#include <vector>

#include <QStringList>

#include "host/graphics/font.h"
#include "host/graphics/object.h"
#include "host/graphics/set.h"

namespace pictor {

enum class TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofFileMustExist,
  ofPathMustExist,
  ofEnableSizing
};
inline constexpr TOpenOption ofReadOnly = TOpenOption::ofReadOnly;
inline constexpr TOpenOption ofOverwritePrompt = TOpenOption::ofOverwritePrompt;
inline constexpr TOpenOption ofHideReadOnly = TOpenOption::ofHideReadOnly;
inline constexpr TOpenOption ofFileMustExist = TOpenOption::ofFileMustExist;
inline constexpr TOpenOption ofPathMustExist = TOpenOption::ofPathMustExist;
inline constexpr TOpenOption ofEnableSizing = TOpenOption::ofEnableSizing;
using TOpenOptions = TSet<TOpenOption>;

// "Text|patterns|Text|patterns" (patterns separated by ';') as Qt name
// filters "Text (pattern pattern)"; "*.*" becomes "*" (every file).
QStringList ConvertFilter(const std::string& filter);

class TOpenDialog : public TObject {
 public:
  TOpenDialog();
  ~TOpenDialog() override;
  const char* ClassName() const override { return "TOpenDialog"; }

  std::string Title;
  std::string Filter;
  int FilterIndex = 1;  // 1-based, as the filter is written
  // With or without the dot: ".bmp" or "bmp". Added to a name without extension.
  std::string DefaultExt;
  std::string FileName;
  std::string InitialDir;
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

  // Runs the dialog; true with FileName set when the user chose a file.
  virtual bool Execute();

 protected:
  explicit TOpenDialog(bool save);
  // The chosen name with the default extension added where it has none.
  std::string WithDefaultExt(const std::string& name) const;

 private:
  bool save_;
};

class TSaveDialog : public TOpenDialog {
 public:
  TSaveDialog();
  const char* ClassName() const override { return "TSaveDialog"; }
};

class TOpenPictureDialog : public TOpenDialog {
 public:
  const char* ClassName() const override { return "TOpenPictureDialog"; }
};

class TSavePictureDialog : public TSaveDialog {
 public:
  const char* ClassName() const override { return "TSavePictureDialog"; }
};

enum class TFontDialogOption { fdEffects, fdForceFontExist, fdLimitSize };
inline constexpr TFontDialogOption fdEffects = TFontDialogOption::fdEffects;
inline constexpr TFontDialogOption fdForceFontExist = TFontDialogOption::fdForceFontExist;
inline constexpr TFontDialogOption fdLimitSize = TFontDialogOption::fdLimitSize;
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TObject {
 public:
  const char* ClassName() const override { return "TFontDialog"; }
  TFont Font;
  TFontDialogOptions Options{fdEffects};
  int MinFontSize = 0;
  int MaxFontSize = 0;
  // Runs the dialog on Font; true (with Font changed) when confirmed.
  bool Execute();
};

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
inline constexpr TMsgDlgType mtWarning = TMsgDlgType::mtWarning;
inline constexpr TMsgDlgType mtError = TMsgDlgType::mtError;
inline constexpr TMsgDlgType mtInformation = TMsgDlgType::mtInformation;
inline constexpr TMsgDlgType mtConfirmation = TMsgDlgType::mtConfirmation;
inline constexpr TMsgDlgType mtCustom = TMsgDlgType::mtCustom;

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };
inline constexpr TMsgDlgBtn mbYes = TMsgDlgBtn::mbYes;
inline constexpr TMsgDlgBtn mbNo = TMsgDlgBtn::mbNo;
inline constexpr TMsgDlgBtn mbOK = TMsgDlgBtn::mbOK;
inline constexpr TMsgDlgBtn mbCancel = TMsgDlgBtn::mbCancel;
inline constexpr TMsgDlgBtn mbAbort = TMsgDlgBtn::mbAbort;
inline constexpr TMsgDlgBtn mbRetry = TMsgDlgBtn::mbRetry;
inline constexpr TMsgDlgBtn mbIgnore = TMsgDlgBtn::mbIgnore;
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// Shows a message box and returns the modal result of the button pressed
// (mrOk, mrCancel, mrYes, ...).
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);

}  // namespace pictor
