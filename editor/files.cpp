// The file commands: a new blank image, loading and saving picture files, and
// the image attributes (size and colour depth) of the document.
#include "attributes/edit_image_attributes.h"
#include "editor/dlg_pictor.h"
#include "editor/document_file.h"
#include "editor/picture_file_types.h"
#include "host/toolkit/dialogs.h"

namespace pictor {

void TdlgPictor::PrepareFileDialogs() {
  const TPictureFileType& bitmaps = PictureFileTypeOf(TPictureFormat::Bitmap);
  OpenDialog->Filter = OpenPictureFilter();
  SaveDialog->Filter = PictureFileFilter(bitmaps);
  SaveDialog->DefaultExt = bitmaps.extension;
}

// The image becomes the document; the document object stays the same, so
// nothing that refers to it (the view) is left with a freed bitmap.
void TdlgPictor::TakeDocument(std::unique_ptr<TBitmap> image) {
  // The history goes first: its first entry reads the old image in place,
  // which would otherwise be copied for it as the image is replaced.
  ForgetHistory();
  FBitmap->ReplaceImage(std::move(image->Image()));
}

// A new document starts: nothing selected, floating or typed, the pen as the
// tool, the colours valid for the new palette, and the history holding the
// document alone.
void TdlgPictor::ResetDocument() {
  ForgetSelection();
  FMoving = false;
  // Pending text is dropped, so leaving the text page writes nothing into the
  // new document.
  ResetText();
  FShape = std::make_unique<TBitmap>();
  FPasteBitmap = std::make_unique<TBitmap>();
  sbPen->SetDown(true);
  sbPen->Click();
  SetColorPalette();
  // After the tool change, whose page leave step may record an entry.
  InitializeHistory();
  Draw();
}

void TdlgPictor::btNewClick(TObject*) {
  std::unique_ptr<TBitmap> blank;
  if (!EditImageAttributes(blank, true)) return;
  TakeDocument(std::move(blank));
  FModified = true;
  ResetDocument();
}

void TdlgPictor::btLoadClick(TObject*) {
  OpenDialog->Title = "Load picture";
  if (!OpenDialog->Execute()) return;
  const std::string& fileName = OpenDialog->FileName;
  const TPictureFileType* type = PictureFileTypeOf(fileName);
  if (!type) {
    MessageDlg("\"" + fileName + "\" is not loaded: pictures are loaded from " +
                   PictureFileExtensions("and") + " files.",
               mtWarning, {mbOK}, 0);
    return;
  }
  // The whole file is read before the document changes.
  TakeDocument(ReadDocumentFile(fileName, type->format, FBitmap->PixelFormat()));
  FModified = true;
  ResetDocument();
}

void TdlgPictor::btSaveClick(TObject*) {
  tsHide(pcShapes->ActivePage());
  if (FBitmap->Empty()) return;
  SaveDialog->Title = "Save picture";
  if (!SaveDialog->Execute()) return;
  const std::string& fileName = SaveDialog->FileName;
  const TPictureFileType* type = PictureFileTypeOf(fileName);
  if (!type || !type->written) {
    MessageDlg("\"" + fileName + "\" is not written: pictures are saved as " +
                   PictureFileExtensions("or", TFileTypeUse::Written) + " files.",
               mtWarning, {mbOK}, 0);
    return;
  }
  SavePictureAs(*FBitmap, fileName, type->format);
}

void TdlgPictor::btAttributesClick(TObject*) {
  // The attributes apply to what the view shows: a selection or text still
  // pending goes into the image first, and no preview of the old image stays.
  tsHide(pcShapes->ActivePage());
  if (!EditImageAttributes(FBitmap, false)) return;
  FModified = true;
  SetColorPalette();
  Draw();
  InitializeHistory();
}

}  // namespace pictor
