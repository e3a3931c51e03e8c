// A value that one thread writes and others read without a lock (the tick's readings, the host's input records).
// Every read and write is one relaxed atomic access: a reader sees the old or the new value, never a torn one, and
// needs no ordering with anything else. The record keeps the plain value's size and layout and stays trivially
// copyable, so records that mirror a file, or are cleared and copied while no other thread runs, keep their form.
#pragma once
#include <atomic>
#include <type_traits>

template <class T>
struct SYS_SHARED {
  static_assert(std::is_integral_v<T>);
  alignas(std::atomic_ref<T>::required_alignment) T Stored;

  operator T() const { return std::atomic_ref<T>(const_cast<T&>(Stored)).load(std::memory_order_relaxed); }
  SYS_SHARED& operator=(T v) {
    std::atomic_ref<T>(Stored).store(v, std::memory_order_relaxed);
    return *this;
  }
  SYS_SHARED& operator+=(T v) {
    std::atomic_ref<T>(Stored).fetch_add(v, std::memory_order_relaxed);
    return *this;
  }
};
