#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "RemoteBuffer.h"

namespace zubolo::e2e {

// Files dropped on a window of another process as the shell drops them: a DROPFILES block with
// the wide names is written into the target process (a block in the driver's own memory means
// nothing there) and WM_DROPFILES is posted, so that the drop passes the program's message loop.
// The block stays allocated while this object lives; the program reads it before its first box.
class PostedDrop {
  public:
    PostedDrop(HWND target, const std::vector<std::wstring>& paths);

  private:
    PostedDrop(HWND target, const std::vector<BYTE>& block);
    RemoteBuffer block_;
};

}  // namespace zubolo::e2e
