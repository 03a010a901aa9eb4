#pragma once
// A control array: controls of one kind under one name, told apart by their index (the index
// of their design). The form binds a handler once for the whole array and every element's event
// reaches it with the element's index, also for elements added later. Elements may stand in
// different containers, and indexes need not be contiguous.
//
// The array owns its elements: declare it after the containers its elements stand in, so that
// the elements go first, and add the elements before the form loads, as the design's controls
// are.

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

namespace lumo {

template <class T> class ControlArray {
  public:
    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Makes an element from its constructor's arguments; its design carries the index, which
    // must be new to the array.
    template <class... Args> T& Add(Args&&... args) {
        auto element = std::make_unique<T>(std::forward<Args>(args)...);
        const int index = element->Index();
        if (index < 0 || elements_.count(index) != 0) {
            throw std::invalid_argument("control array index missing or in use");
        }
        T& added = *element;
        elements_.emplace(index, std::move(element));
        for (const auto& bind : binders_) {
            bind(index, added);
        }
        return added;
    }

    // The element with the index; a missing one is a run-time error.
    T& operator[](int index) const {
        const auto it = elements_.find(index);
        if (it == elements_.end()) {
            throw std::out_of_range("no control array element with that index");
        }
        return *it->second;
    }
    bool Contains(int index) const { return elements_.count(index) != 0; }
    std::size_t Count() const { return elements_.size(); }

    // Binds an event member of every element (a std::function or an Event) to a handler that
    // takes the element's index first and then the event's own arguments.
    template <class Member, class Owner, class Handler>
    void Handle(Member Owner::*event, Handler handler) {
        static_assert(std::is_base_of_v<Owner, T>, "an event of the elements' own kind");
        auto bind = [event, handler](int index, T& element) {
            element.*event = [handler, index](auto&&... args) {
                handler(index, std::forward<decltype(args)>(args)...);
            };
        };
        for (auto& [index, element] : elements_) {
            bind(index, *element);
        }
        binders_.push_back(std::move(bind));
    }

  private:
    std::map<int, std::unique_ptr<T>> elements_;
    std::vector<std::function<void(int, T&)>> binders_;
};

} // namespace lumo
