// An amount of money in whole cents.
//
// The profile keeps money and VIP points in dollars (doubles, as the save file
// has them); every amount that moves between the profile and a machine goes
// through this type, so that money never drifts by float error however often
// it moves back and forth. The statistics records keep their sums in it.
#pragma once

class Money {
public:
    constexpr Money() : cents_(0) {}
    static constexpr Money cents(long long cents) { return Money(cents); }
    // Rounded to the nearest cent; 0 for a value that is not a number.
    static Money dollars(double dollars);

    constexpr long long inCents() const { return cents_; }
    double inDollars() const { return static_cast<double>(cents_) / 100.0; }

    constexpr Money operator+(Money other) const { return Money(cents_ + other.cents_); }
    constexpr Money operator-(Money other) const { return Money(cents_ - other.cents_); }
    constexpr Money operator*(long long times) const { return Money(cents_ * times); }
    Money& operator+=(Money other) {
        cents_ += other.cents_;
        return *this;
    }
    constexpr bool operator<(Money other) const { return cents_ < other.cents_; }
    constexpr bool operator>(Money other) const { return cents_ > other.cents_; }
    constexpr bool operator==(Money other) const { return cents_ == other.cents_; }

private:
    explicit constexpr Money(long long cents) : cents_(cents) {}
    long long cents_;
};
