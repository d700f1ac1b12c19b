// A property in the shape of the automation interface: `x.Size = 24` writes through a setter,
// `double s = x.Size` reads through a getter. Getter and setter capture the object they act on,
// never the property itself, so objects holding properties can be returned by value.
#pragma once

#include <functional>
#include <utility>

namespace office {

template <typename T>
class Proprieta {
public:
    using Lettore = std::function<T()>;
    using Scrittore = std::function<void(const T&)>;

    Proprieta(Lettore leggi, Scrittore scrivi) : leggi_(std::move(leggi)), scrivi_(std::move(scrivi)) {}
    Proprieta(const Proprieta&) = default;

    Proprieta& operator=(const T& valore)
    {
        scrivi_(valore);
        return *this;
    }
    // Assigning one property to another assigns its value, as in `a.Size = b.Size`.
    Proprieta& operator=(const Proprieta& altra)
    {
        scrivi_(altra.leggi_());
        return *this;
    }

    operator T() const { return leggi_(); }
    T valore() const { return leggi_(); }

private:
    Lettore leggi_;
    Scrittore scrivi_;
};

} // namespace office
