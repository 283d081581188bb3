#include "engine/URLHistory.h"

namespace engine {
namespace {

void Check(platform::StoreStatus status) {
  if (platform::StoreFailed(status)) throw URLHistoryError(status);
}

std::string CodeText(platform::StoreStatus code) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "URL history store error 0x";
  const auto value = static_cast<std::uint32_t>(code);
  for (int shift = 28; shift >= 0; shift -= 4) text += digits[(value >> shift) & 0xF];
  return text;
}

}  // namespace

URLHistoryError::URLHistoryError(platform::StoreStatus code) : std::runtime_error(CodeText(code)), code_(code) {}

double URLHistoryItem::LastVisited() const { return platform::FileTimeToLocalDate(record_.LastVisited); }
double URLHistoryItem::Expires() const { return platform::FileTimeToLocalDate(record_.Expires); }
double URLHistoryItem::LastUpdated() const { return platform::FileTimeToLocalDate(record_.LastUpdated); }

CURLHistory::CURLHistory(platform::IUrlHistoryStoreFactory& factory) {
  Check(factory.Create(store_));
  if (!store_) throw URLHistoryError(platform::kStoreFailed);
  Refresh();
}

void CURLHistory::AddURL(const std::wstring& url, const std::wstring& title, std::uint32_t flags) {
  Check(store_->AddUrl(url, title, flags));
}

void CURLHistory::Clear() {
  Check(store_->ClearHistory());
  Refresh();
}

void CURLHistory::Refresh(const std::wstring& prefix, std::uint32_t flags) {
  std::unique_ptr<platform::IUrlHistoryEnumerator> enumerator;
  Check(store_->EnumUrls(enumerator));
  if (!enumerator) throw URLHistoryError(platform::kStoreFailed);
  Check(enumerator->SetFilter(prefix, flags));
  items_ = ItemList();
  for (;;) {
    platform::HistoryRecord record;
    const platform::StoreStatus status = enumerator->Next(record);
    Check(status);
    if (status != platform::kStoreOk) break;
    items_.push_back(std::make_shared<const URLHistoryItem>(std::move(record)));
  }
}

std::size_t CURLHistory::Position(std::int32_t index) const {
  if (index < 1 || index > Count()) throw URLHistoryError(platform::kStoreBadIndex);
  return static_cast<std::size_t>(index - 1);
}

std::shared_ptr<const URLHistoryItem> CURLHistory::Item(std::int32_t index) const {
  return items_[Position(index)];
}

void CURLHistory::Remove(std::int32_t index) {
  const std::size_t position = Position(index);
  Check(store_->DeleteUrl(items_[position]->URL(), 0));
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
}

void CURLHistory::DeleteURL(const std::wstring& url, std::uint32_t flags) {
  Check(store_->DeleteUrl(url, flags));
  Refresh();
}

}  // namespace engine
