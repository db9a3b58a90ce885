#include "data/messages.h"

#include <new>
#include <stdexcept>

#include "data/checked_table.h"

namespace ventorel::messages {

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
