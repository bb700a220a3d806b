// One of a screen's four widget lists: it owns its widgets and keeps them newest first, so every walk
// over it (drawing, hit testing, keys) visits the widget added last first. Clearing destroys them all.
#pragma once

#include <cstdint>
#include <forward_list>
#include <memory>

template <class TWidget> class CWidgetList {
public:
  using Storage = std::forward_list<std::unique_ptr<TWidget>>;

  CWidgetList() = default;
  CWidgetList(const CWidgetList &) = delete;
  CWidgetList &operator=(const CWidgetList &) = delete;

  // Takes ownership of the widget and puts it at the head; returns the new count. A null widget is
  // not added.
  int32_t Add(TWidget *widget) {
    if (!widget) return count;
    items.emplace_front(widget);
    return ++count;
  }
  void Clear() {
    items.clear();
    count = 0;
  }
  int32_t Count() const { return count; }
  bool Empty() const { return count == 0; }
  // The widget added last, or null.
  TWidget *Head() const { return items.empty() ? nullptr : items.front().get(); }

  // Newest first.
  typename Storage::iterator begin() { return items.begin(); }
  typename Storage::iterator end() { return items.end(); }
  typename Storage::const_iterator begin() const { return items.begin(); }
  typename Storage::const_iterator end() const { return items.end(); }

private:
  Storage items;
  int32_t count = 0;
};
