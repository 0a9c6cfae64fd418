// picture_host: the smallest form designer. It has one component with a
// Picture property, loads the picture editor plug-in, and edits the property
// the way an inspector does: it asks the host's registry for the property's
// editor and runs it. A changed picture is written back to the file.
//
//   picture_host [--scripted-ok] FILE.bmp
//
// --scripted-ok answers the editor window without anyone at the screen (for
// a headless run, QT_QPA_PLATFORM=offscreen): a click with the pen at the
// image's top-left pixel, then OK.
#include <QMouseEvent>
#include <QWindow>
#include <cstring>
#include <iostream>
#include <memory>

#include "host/designtime/component.h"
#include "host/designtime/designer.h"
#include "host/designtime/package.h"
#include "host/designtime/registry.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"
#include "host/toolkit/application.h"
#include "host/toolkit/button.h"
#include "host/toolkit/form.h"
#include "host/toolkit/test_hooks.h"

using namespace pictor;

namespace {

// The component the designer shows: an image with a Picture property.
class TPictureHolder : public TComponent {
 public:
  TPictureHolder() { DefineProperty("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture); }
  const char* ClassName() const override { return "TPictureHolder"; }
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value) { picture_->Assign(value); }

 private:
  std::unique_ptr<TPicture> picture_ = std::make_unique<TPicture>();
};

// Presses and releases the left button at (x, y) of the editor's paint box.
void ClickPaintBox(TForm& form, int x, int y) {
  QWidget* box = form.findChild<QWidget*>("PaintBox");
  if (!box) return;
  const QPointF local(box->mapTo(&form, QPoint(x, y)));
  const QPointF global(box->mapToGlobal(QPoint(x, y)));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  for (QMouseEvent* event : {&press, &release}) {
    QApplication::sendEvent(form.windowHandle(), event);
    QApplication::processEvents();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool scripted = argc == 3 && std::strcmp(argv[1], "--scripted-ok") == 0;
  if (argc != 2 && !scripted) {
    std::cerr << "usage: picture_host [--scripted-ok] FILE.bmp\n";
    return 2;
  }
  const std::string file = argv[argc - 1];
  TApplication application(argc, argv);
  try {
    TPictureHolder holder;
    holder.Picture()->Bitmap()->LoadFromFile(file);
    // The package registers its property editors while it is loaded.
    const std::unique_ptr<TPackage> plugin = TPackage::Load(PICTOR_IDE);
    std::cout << "loaded " << plugin->Description() << "\n";

    TDesigner designer;
    std::unique_ptr<TPropertyEditor> editor = CreatePropertyEditor(designer, holder, "Picture");
    if (!editor) {
      std::cerr << "picture_host: no editor is registered for Picture properties\n";
      return 1;
    }
    std::cout << "Picture = " << editor->GetValue() << "\n";
    if (scripted)
      test_hooks::ScriptModal([](TForm& form) {
        ClickPaintBox(form, 0, 0);
        form.DefaultButton()->Click();
      });
    editor->Edit();
    if (!designer.IsModified()) {
      std::cout << "the property is unchanged\n";
      return 0;
    }
    std::cout << "Picture = " << editor->GetValue() << " (changed)\n";
    if (TGraphic* graphic = holder.Picture()->Graphic()) graphic->SaveToFile(file);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "picture_host: " << e.what() << "\n";
    return 1;
  }
}
