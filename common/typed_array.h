#pragma once

#include <stdexcept>
#include <vector>

// An ordered, growable array with the framework's operations. An index outside the array
// throws std::invalid_argument; nothing else throws except on allocation failure.
template <class T>
class CTypedArray {
 public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }

  T& ElementAt(int index) {
    CheckIndex(index);
    return m_items[static_cast<size_t>(index)];
  }
  const T& GetAt(int index) const {
    CheckIndex(index);
    return m_items[static_cast<size_t>(index)];
  }
  T& operator[](int index) { return ElementAt(index); }
  const T& operator[](int index) const { return GetAt(index); }
  void SetAt(int index, const T& item) { ElementAt(index) = item; }

  // Appends a copy and returns its index.
  int Add(const T& item) {
    m_items.push_back(item);
    return GetSize() - 1;
  }
  // Removes the element at the index; later elements move down by one, keeping their order.
  void RemoveAt(int index) {
    CheckIndex(index);
    m_items.erase(m_items.begin() + index);
  }
  // Shrinking destroys the elements past the new size; 0 also frees the storage.
  void SetSize(int size) {
    if (size < 0) throw std::invalid_argument("negative array size");
    if (size == 0) {
      std::vector<T>().swap(m_items);
    } else {
      m_items.resize(static_cast<size_t>(size));
    }
  }
  void RemoveAll() { SetSize(0); }

  typename std::vector<T>::iterator begin() { return m_items.begin(); }
  typename std::vector<T>::iterator end() { return m_items.end(); }
  typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
  typename std::vector<T>::const_iterator end() const { return m_items.end(); }

 private:
  void CheckIndex(int index) const {
    if (index < 0 || index >= GetSize()) throw std::invalid_argument("array index out of range");
  }

  std::vector<T> m_items;
};
