#include "app/run.h"

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "about/version.h"
#include "app/command_line.h"
#include "app/exit_codes.h"
#include "app/image_component.h"
#include "app/picture_file.h"
#include "app/plugin_location.h"
#include "app/write_back.h"
#include "app/write_check.h"
#include "host/designtime/package.h"
#include "host/designtime/registry.h"
#include "host/toolkit/application.h"
#include "resources/resource_bytes.h"

namespace pictor {

namespace {

// An error that ends the run with its exit code.
struct TRunError {
  ExitCode Code;
  std::string Message;
};

// Loads FILE (or the sample) into picture.
void LoadSource(TPicture& picture, const std::string& file) {
  const std::optional<TPictureFormat> format =
      file.empty() ? TPictureFormat::Bitmap : FormatOfFile(file);
  if (!format)
    throw TRunError{kExitUsage,
                    file + ": not a picture file pictor reads (" + PictureFileExtensions() + ")"};
  try {
    if (file.empty())
      LoadBitmapBytes(picture, ResourceBytes(kSamplePicturePath));
    else
      LoadPictureAs(picture, file, *format);
  } catch (const std::exception& e) {
    throw TRunError{kExitError, (file.empty() ? "the sample picture" : file) + ": " + e.what()};
  }
}

std::unique_ptr<TPackage> LoadPlugin() {
  try {
    return TPackage::Load(FindPlugin());
  } catch (const std::exception& e) {
    throw TRunError{kExitPlugin, e.what()};
  }
}

// The inspector's part: the registered editor of the property, run through its dialog.
std::unique_ptr<TPropertyEditor> PictureEditor(TDesigner& designer, TImage& image) {
  std::unique_ptr<TPropertyEditor> editor = CreatePropertyEditor(designer, image, "Picture");
  if (!editor)
    throw TRunError{kExitPlugin, "the plug-in registers no editor for TPicture properties"};
  if (!editor->GetAttributes().Contains(paDialog))
    throw TRunError{kExitPlugin, "the editor of TPicture properties has no dialog"};
  return editor;
}

// Runs the edit and writes the result; returns what to tell the user.
std::string EditAndWriteBack(int argc, char** argv, const std::string& file) {
  TImage image;
  LoadSource(*image.Picture(), file);
  // Said before any drawing is done, not after the editor closed.
  try {
    CheckWritable(file);
  } catch (const std::exception& e) {
    throw TRunError{kExitError, std::string(e.what()) + "; the editor was not opened"};
  }
  std::unique_ptr<TPackage> plugin = LoadPlugin();
  const std::vector<std::uint8_t> before = PictureSnapshot(*image.Picture());

  std::unique_ptr<TApplication> application;
  int applicationArgc = argc;
  if (!Application) {
    if (!TApplication::DisplayAvailable())
      throw TRunError{kExitDisplay,
                      "cannot open the display: no window system is set (DISPLAY or "
                      "WAYLAND_DISPLAY)"};
    application = std::make_unique<TApplication>(applicationArgc, argv);
  }

  TDesigner designer;
  try {
    PictureEditor(designer, image)->Edit();
  } catch (const TRunError&) {
    throw;
  } catch (const std::exception& e) {
    throw TRunError{kExitError, e.what()};
  }

  const std::string source = file.empty() ? "the sample picture" : file;
  if (!designer.IsModified()) {
    if (!image.Picture()->Graphic() && !before.empty())
      return "the picture was cleared; nothing written, " + source + " is unchanged";
    return "";
  }
  if (PictureSnapshot(*image.Picture()) == before)
    return "no changes; nothing written (OK without a change, or \"File...\" with its file "
           "dialog cancelled: the picture is as it was)";
  try {
    return SaveEditedPicture(*image.Picture(), file);
  } catch (const std::exception& e) {
    std::string said = std::string(e.what()) + "; " + source + " is unchanged";
    // The drawing is not lost: it goes elsewhere.
    try {
      said += "; the edited picture is saved in " + WriteRecoveryFile(*image.Picture(), file);
    } catch (const std::exception& recovery) {
      said += "; the edited picture could not be saved elsewhere either: " +
              std::string(recovery.what());
    }
    throw TRunError{kExitError, said};
  }
}

}  // namespace

int RunPictor(int argc, char** argv, std::ostream& out, std::ostream& err) {
  const TCommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.Action) {
    case TCommandLine::TAction::Help:
      out << UsageText();
      return kExitOk;
    case TCommandLine::TAction::Version:
      out << "pictor " << kPictorVersion << "\n";
      return kExitOk;
    case TCommandLine::TAction::Error:
      err << "pictor: " << line.Error << "\nTry 'pictor --help'.\n";
      return kExitUsage;
    case TCommandLine::TAction::Edit:
      break;
  }
  try {
    const std::string said = EditAndWriteBack(argc, argv, line.File);
    if (!said.empty()) out << "pictor: " << said << "\n";
    return kExitOk;
  } catch (const TRunError& e) {
    err << "pictor: " << e.Message << "\n";
    return e.Code;
  } catch (const std::exception& e) {
    err << "pictor: " << e.what() << "\n";
    return kExitError;
  }
}

}  // namespace pictor
