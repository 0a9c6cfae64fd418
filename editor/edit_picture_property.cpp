// One edit of a picture property, and the "&File..." button that loads a
// file straight into the property.
#include "editor/edit_picture_property.h"

#include <memory>

#include "attributes/standard_palettes.h"
#include "editor/dlg_pictor.h"
#include "editor/load_picture_file.h"
#include "editor/picture_conversion.h"
#include "host/graphics/picture.h"
#include "host/toolkit/dialogs.h"

namespace pictor {
namespace {

constexpr const char* kOpenFilter =
    "All (*.bmp;*.jpg;*.ico;*.emf;*.wmf)|*.bmp;*.jpg;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
    "JPEG (*.jpg)|*.jpg|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
    "Metafiles (*.wmf)|*.wmf";
constexpr const char* kBitmapFilter = "Bitmaps (*.bmp)|*.bmp";
constexpr const char* kBitmapExt = ".bmp";

}  // namespace

bool EditPictureProperty(TObject* Obj) {
  // The window goes on every path, also when an error propagates.
  auto dialog = std::make_unique<TdlgPictor>();
  if (!Obj) {
    MessageDlg("NIL!", mtError, {mbOK}, 0);
    return false;
  }
  dialog->FEditedObject = Obj;
  TakeInPicture(Obj, *dialog->FBitmap);
  dialog->OpenDialog->Filter = kOpenFilter;
  dialog->SaveDialog->Filter = kBitmapFilter;
  dialog->SaveDialog->DefaultExt = kBitmapExt;
  ApplyStandardPalette(*dialog->FBitmap);
  dialog->SetColorPalette();
  dialog->Draw();
  dialog->InitializeHistory();

  const int result = dialog->ShowModal();
  if (result == mrClear) ClearPicture(Obj);
  if (result == mrOk && dialog->FModified) WriteBackPicture(Obj, *dialog->FBitmap);
  return IsAcceptedResult(result);
}

void TdlgPictor::btLoadFileClick(TObject*) {
  OpenDialog->Title = "Load picture";
  if (auto* picture = dynamic_cast<TPicture*>(FEditedObject)) {
    OpenDialog->Filter = kOpenFilter;
    if (OpenDialog->Execute()) LoadPictureFile(picture, OpenDialog->FileName);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(FEditedObject)) {
    OpenDialog->Filter = kBitmapFilter;
    OpenDialog->DefaultExt = kBitmapExt;
    if (OpenDialog->Execute()) bitmap->LoadFromFile(OpenDialog->FileName);
  }
  // The button's modal result ends the window; nothing painted is kept.
}

}  // namespace pictor
