#include "platform/ui_port.h"

namespace coinest {

std::string_view captionText(MessageCaption caption) {
  switch (caption) {
    case MessageCaption::Notice: return "알림";
    case MessageCaption::Question: return "확인";
    case MessageCaption::Error: break;
  }
  return "오류";
}

}  // namespace coinest
