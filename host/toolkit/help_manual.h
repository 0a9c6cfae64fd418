// The manual that stands for a help file: a help file "Name.hlp" is shown
// through the HTML manual "Name.html" beside it, opened in the desktop's
// browser at the section of the help context (the element with the id
// "context-N").
#pragma once

#include <optional>
#include <string>

namespace pictor {

struct THelpTopic {
  std::string File;
  std::string Section;  // the id of the context's section; empty: the whole file

  // The file, with "#Section" when there is a section.
  std::string Address() const { return Section.empty() ? File : File + "#" + Section; }
};

// What showing helpFile at the topic context opens: the manual that stands
// for a ".hlp" file at the context's section, when that manual exists; else
// helpFile itself when it exists (the desktop opens it whole); nullopt when
// neither exists.
std::optional<THelpTopic> FindHelpTopic(const std::string& helpFile, int context);

// Opens the topic with the desktop's handler for its file; false when nothing
// opens it.
bool OpenHelpTopic(const THelpTopic& topic);

}  // namespace pictor
