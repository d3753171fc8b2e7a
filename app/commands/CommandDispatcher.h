#pragma once
// The one road of every command: menus, toolbars, keys and tests call
// Dispatch(id). Each concern adds its commands as a table, one line each:
//
//   dispatcher.Add({
//       {Cmd::SaveProject, [&](int) { SaveProjectFile(); }},
//       {Cmd::TwoPage, [&](int) { … }, IsViewLive, [](int) { return g_TwoPageMode != 0; }},
//       {Cmd::SettingsFirst, Cmd::SettingsLast, [&](int id) { … }},
//   });
//
// An id without a handler is disabled. A later entry for an id overrides an
// earlier one, so a concern built later replaces a placeholder.
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

struct Command {
    using Run = std::function<void(int id)>;
    using Predicate = std::function<bool(int id)>;

    Command(int id, Run run, Predicate enabled = {}, Predicate checked = {})
        : first(id), last(id), run(std::move(run)), enabled(std::move(enabled)), checked(std::move(checked))
    {
    }
    Command(int first, int last, Run run, Predicate enabled = {}, Predicate checked = {})
        : first(first), last(last), run(std::move(run)), enabled(std::move(enabled)), checked(std::move(checked))
    {
    }

    int first;
    int last;
    Run run;
    Predicate enabled;  // none: always enabled
    Predicate checked;  // none: no check mark
};

class CommandDispatcher {
public:
    void Add(std::initializer_list<Command> commands);
    void Add(Command command);

    // Runs the handler of id when it has one and is enabled; then the
    // after-command step (the update pass). False when nothing ran.
    bool Dispatch(int id);
    bool IsEnabled(int id) const;
    // Whether id has a handler at all.
    bool Has(int id) const;
    // The check mark of id; none when it carries none.
    std::optional<bool> IsChecked(int id) const;

    // Run after every dispatched command.
    std::function<void()> AfterCommand;

private:
    const Command* Find(int id) const;

    std::vector<Command> commands_;
};
