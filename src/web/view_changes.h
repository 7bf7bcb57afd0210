#pragma once
// What changed on the page since the page last asked: the views of the
// controls whose view differs from the one handed over before (a box's text
// only when the text itself changed, so that a long box crosses once), and
// the frame's state. The page re-renders just those.

#include <cstdint>
#include <string>
#include <vector>

namespace tesvik {
class App;
}

namespace tesvik::web {

class ViewChanges {
 public:
  // {"frame": {...}, "views": [[name, index, view], ...]} (render_json.h);
  // a view carries "text" only when the text changed, and the result
  // viewer's view its shown rows as "lines".
  std::string take(App& app);

 private:
  // A view as last handed over, field by field, so that an unchanged
  // control costs a few comparisons and no JSON.
  struct Shown {
    bool sent = false;
    std::string caption, text, upper;
    std::vector<std::string> items, lines;
    std::uint32_t colour = 0;
    bool enabled = false, visible = false, underline = false;
    int rows = 0, selected = 0, scroll_max = 0;
    std::uint64_t revision = 0;
  };
  std::vector<Shown> shown_;  // in the order of the control table
};

}  // namespace tesvik::web
