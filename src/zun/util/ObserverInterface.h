#pragma once

namespace zun
{
namespace util
{

class ObservableInterface;

class ObserverInterface
{
public:
    ObserverInterface() = default;
    ObserverInterface(const ObserverInterface&) = default;
    ObserverInterface& operator=(const ObserverInterface&) = default;
    virtual ~ObserverInterface() = default;

    void update(ObservableInterface& subject) { do_update(subject); }

protected:
    virtual void do_update(ObservableInterface& subject) = 0;
};

} // namespace util
} // namespace zun
