#include "data/messages.h"

#include <cerrno>
#include <new>
#include <stdexcept>

#include "data/checked_table.h"

namespace ventorel::messages {

std::string systemError(int code) {
  switch (code) {
    case 0: return "原因はわかりません";
    case ENOSPC: return "ディスクがいっぱいです";
    case EDQUOT: return "ディスクの割り当てを使い切りました";
    case EFBIG: return "ファイルが大きすぎます";
    case EACCES: return "アクセスが許可されていません";
    case EPERM: return "操作が許可されていません";
    case EROFS: return "読み出し専用のファイルシステムです";
    case ENOENT: return "ファイルまたはフォルダーがありません";
    case ENOTDIR: return "途中の名前がフォルダーではありません";
    case EISDIR: return "フォルダーです";
    case ENOTEMPTY: return "フォルダーが空ではありません";
    case ENAMETOOLONG: return "名前が長すぎます";
    case EEXIST: return "同じ名前のものがあります";
    case EIO: return "入出力エラーです";
    case EXDEV: return "別のファイルシステムへは移せません";
    case ELOOP: return "シンボリックリンクが多すぎるか、輪になっています";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます";
    case ETXTBSY:
    case EBUSY: return "使用中です";
    case EPIPE: return "読み手が終了しています";
    case EBADF: return "出力先が閉じています";
    case ENXIO:
    case ENODEV: return "装置がありません";
    case ENOMEM: return "メモリーが足りません";
    case EAGAIN: return "資源が一時的に足りません";
    case EINTR: return "中断されました";
    default: return "エラー番号 " + std::to_string(code);
  }
}

std::string computationFailure(const std::exception& error) {
  const char* why = "計算の途中で思わぬことが起きました";
  if (dynamic_cast<const TableBoundsError*>(&error) != nullptr)
    why = "計算が表の範囲を超えました。データファイルの内容が暦の計算に合っていません";
  else if (dynamic_cast<const std::domain_error*>(&error) != nullptr)
    why = "この年の値が計算の扱える範囲を外れました";
  else if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
    why = "メモリーが足りません";
  return std::string("計算を続けられませんでした（") + why + "）";
}

}  // namespace ventorel::messages
