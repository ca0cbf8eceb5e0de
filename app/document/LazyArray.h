#pragma once
// A fixed array of the system's size that is built when it is first used: the document's record,
// hit and search lists run to tens of thousands of entries that most runs never touch, and
// building them at start costs more than the rest of the document. Used as the std::array it
// stands for (indexing, iteration, fill, size); all() is the array itself. Any access builds it,
// so a list only read stays empty but built.
#include <array>
#include <cstddef>
#include <memory>

template <class T, std::size_t N>
class LazyArray {
public:
    using Array = std::array<T, N>;
    using value_type = T;

    LazyArray() = default;
    LazyArray(const LazyArray& other)
        : items_(other.items_ ? std::make_unique<Array>(*other.items_) : nullptr)
    {
    }
    LazyArray& operator=(const LazyArray& other)
    {
        if (this != &other)
            items_ = other.items_ ? std::make_unique<Array>(*other.items_) : nullptr;
        return *this;
    }

    Array& all() const
    {
        if (!items_)
            items_ = std::make_unique<Array>();
        return *items_;
    }
    operator Array&() { return all(); }
    operator const Array&() const { return all(); }

    T& operator[](std::size_t i) { return all()[i]; }
    const T& operator[](std::size_t i) const { return all()[i]; }
    static constexpr std::size_t size() { return N; }
    auto begin() { return all().begin(); }
    auto end() { return all().end(); }
    auto begin() const { return all().cbegin(); }
    auto end() const { return all().cend(); }

    // An array not built yet already holds only default values.
    void fill(const T& value)
    {
        if (items_ || !(value == T{}))
            all().fill(value);
    }

private:
    mutable std::unique_ptr<Array> items_;
};
