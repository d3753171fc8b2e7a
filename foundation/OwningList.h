#pragma once
// The owning record list: a vector of heap records that the list owns.
// Records keep their address while the list grows, so pointers into a list
// (the current style, the current lists) stay valid until the record is
// removed or the list cleared. Copying a list copies its records (deep, as
// each record's own copy is deep).
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include <QString>

template <class T>
class OwningList {
    using Slots = std::vector<std::unique_ptr<T>>;

public:
    // Iterates the records themselves (T&), not the owning pointers.
    template <class SlotIt, class Ref>
    class Iter {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::remove_reference_t<Ref>*;
        using reference = Ref;

        Iter() = default;
        explicit Iter(SlotIt it) : it_(it) {}
        Ref operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        Iter& operator++()
        {
            ++it_;
            return *this;
        }
        Iter operator++(int)
        {
            Iter old = *this;
            ++it_;
            return old;
        }
        bool operator==(const Iter& o) const { return it_ == o.it_; }

    private:
        SlotIt it_{};
    };
    using iterator = Iter<typename Slots::iterator, T&>;
    using const_iterator = Iter<typename Slots::const_iterator, const T&>;

    OwningList() = default;
    OwningList(const OwningList& other) { Assign(other); }
    OwningList& operator=(const OwningList& other)
    {
        Assign(other);
        return *this;
    }
    OwningList(OwningList&&) noexcept = default;
    OwningList& operator=(OwningList&&) noexcept = default;
    ~OwningList() { Clear(); }

    // Appends a record with the defaults of its kind and returns it.
    T* AddNew()
    {
        slots_.push_back(std::make_unique<T>());
        return slots_.back().get();
    }
    T* Append(std::unique_ptr<T> record)
    {
        slots_.push_back(std::move(record));
        return slots_.back().get();
    }
    T* InsertAt(int32_t index, std::unique_ptr<T> record)
    {
        if (index < 0 || index > Size())
            index = Size();
        return slots_.insert(slots_.begin() + index, std::move(record))->get();
    }
    // Deletes the records from the last to the first.
    void Clear()
    {
        while (!slots_.empty())
            slots_.pop_back();
    }
    // Clear and give the storage back.
    void Destroy()
    {
        Clear();
        Slots().swap(slots_);
    }
    void RemoveAt(int32_t index)
    {
        if (index >= 0 && index < Size())
            slots_.erase(slots_.begin() + index);
    }
    // Deletes the record when it is in the list; false when it is not.
    bool Remove(const T* record)
    {
        const int32_t i = IndexOf(record);
        RemoveAt(i);
        return i >= 0;
    }
    std::unique_ptr<T> TakeAt(int32_t index)
    {
        if (index < 0 || index >= Size())
            return nullptr;
        std::unique_ptr<T> record = std::move(slots_[size_t(index)]);
        slots_.erase(slots_.begin() + index);
        return record;
    }
    // Deep copy of another list; assigning a list to itself changes nothing.
    void Assign(const OwningList& source)
    {
        if (this == &source)
            return;
        Clear();
        slots_.reserve(source.slots_.size());
        for (const auto& record : source.slots_)
            slots_.push_back(std::make_unique<T>(*record));
    }

    int32_t Size() const { return int32_t(slots_.size()); }
    bool IsEmpty() const { return slots_.empty(); }
    // The record at index, or null outside the list.
    T* GetAtOrNull(int32_t index) const
    {
        return index >= 0 && index < Size() ? slots_[size_t(index)].get() : nullptr;
    }
    T& operator[](int32_t index) const { return *slots_[size_t(index)]; }
    T* First() const { return GetAtOrNull(0); }
    T* Last() const { return GetAtOrNull(Size() - 1); }

    int32_t IndexOf(const T* record) const
    {
        for (int32_t i = 0; i < Size(); ++i)
            if (slots_[size_t(i)].get() == record)
                return i;
        return -1;
    }
    // Index of the first record whose name field equals name exactly; -1 when none.
    int32_t IndexOfName(QString T::*field, const QString& name) const
    {
        for (int32_t i = 0; i < Size(); ++i)
            if ((*slots_[size_t(i)]).*field == name)
                return i;
        return -1;
    }
    T* FindByName(QString T::*field, const QString& name) const { return GetAtOrNull(IndexOfName(field, name)); }

    iterator begin() { return iterator(slots_.begin()); }
    iterator end() { return iterator(slots_.end()); }
    const_iterator begin() const { return const_iterator(slots_.begin()); }
    const_iterator end() const { return const_iterator(slots_.end()); }

private:
    Slots slots_;
};
