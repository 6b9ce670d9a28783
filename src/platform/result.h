#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// What loading or saving gives back: its value, or none when it failed; and the messages for the user, in
// the order to show them. A failure always carries its reason as the last message; a success may carry
// messages too (the settings file's warnings). Result<> is the answer of an operation without a value.
template <typename T = std::monostate> class Result {
public:
    Result(T value, QStringList messages = {})
        : Value(std::move(value))
        , ShownMessages(std::move(messages))
    {
    }

    // The success of an operation without a value.
    Result() requires std::is_same_v<T, std::monostate> : Value(std::monostate()) {}

    static Result Failure(const QString& reason, QStringList messagesBefore = {})
    {
        Result failed{Failed()};
        failed.ShownMessages = std::move(messagesBefore);
        failed.ShownMessages.append(reason);
        return failed;
    }

    bool Succeeded() const { return Value.has_value(); }
    explicit operator bool() const { return Succeeded(); }

    // The value; only after success.
    const T& operator*() const& { return *Value; }
    T& operator*() & { return *Value; }
    T&& operator*() && { return std::move(*Value); }
    const T* operator->() const { return &*Value; }

    const QStringList& Messages() const { return ShownMessages; }
    // Why it failed; empty after success.
    QString Reason() const { return Succeeded() ? QString() : ShownMessages.value(ShownMessages.size() - 1); }

private:
    struct Failed {};
    explicit Result(Failed) {}

    std::optional<T> Value;
    QStringList ShownMessages;
};
