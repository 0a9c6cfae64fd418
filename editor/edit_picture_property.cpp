// One edit of a picture property, and the "&File..." button that loads a
// file straight into the property.
#include "editor/edit_picture_property.h"

#include <memory>

#include "attributes/standard_palettes.h"
#include "editor/dlg_pictor.h"
#include "editor/load_picture_file.h"
#include "editor/picture_conversion.h"
#include "editor/picture_file_types.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"
#include "host/toolkit/dialogs.h"

namespace pictor {

namespace {

// Made before the window, so that it ends after it: the memory of the
// window's pictures, history and previews goes back to the system.
struct FreedMemoryRelease {
  FreedMemoryRelease() = default;
  FreedMemoryRelease(const FreedMemoryRelease&) = delete;
  FreedMemoryRelease& operator=(const FreedMemoryRelease&) = delete;
  ~FreedMemoryRelease() { ReleaseFreedImageMemory(); }
};

}  // namespace

bool EditPictureProperty(TObject* Obj) {
  const FreedMemoryRelease release;
  // The window goes on every path, also when an error propagates.
  auto dialog = std::make_unique<TdlgPictor>();
  if (!Obj) {
    MessageDlg("NIL!", mtError, {mbOK}, 0);
    return false;
  }
  dialog->FEditedObject = Obj;
  TakeInPicture(Obj, *dialog->FBitmap);
  dialog->PrepareFileDialogs();
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
    OpenDialog->Filter = OpenPictureFilter();
    if (OpenDialog->Execute()) LoadPictureFile(picture, OpenDialog->FileName);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(FEditedObject)) {
    const TPictureFileType& bitmaps = PictureFileTypeOf(TPictureFormat::Bitmap);
    OpenDialog->Filter = PictureFileFilter(bitmaps);
    OpenDialog->DefaultExt = bitmaps.extension;
    if (OpenDialog->Execute()) bitmap->LoadFromFile(OpenDialog->FileName);
  }
  // The button's modal result ends the window; nothing painted is kept.
}

}  // namespace pictor
