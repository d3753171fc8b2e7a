#include "app/commands/CommandDispatcher.h"

#include <algorithm>

void CommandDispatcher::Add(std::initializer_list<Command> commands)
{
    for (const Command& command : commands)
        commands_.push_back(command);
}

void CommandDispatcher::Add(Command command) { commands_.push_back(std::move(command)); }

const Command* CommandDispatcher::Find(int id) const
{
    const auto found = std::find_if(commands_.rbegin(), commands_.rend(),
                                    [id](const Command& c) { return id >= c.first && id <= c.last; });
    return found == commands_.rend() ? nullptr : &*found;
}

bool CommandDispatcher::Has(int id) const
{
    const Command* command = Find(id);
    return command && command->run;
}

bool CommandDispatcher::IsEnabled(int id) const
{
    const Command* command = Find(id);
    return command && command->run && (!command->enabled || command->enabled(id));
}

std::optional<bool> CommandDispatcher::IsChecked(int id) const
{
    const Command* command = Find(id);
    if (!command || !command->checked)
        return std::nullopt;
    return command->checked(id);
}

bool CommandDispatcher::Dispatch(int id)
{
    if (!IsEnabled(id))
        return false;
    // The handler may add commands (the vector may move): run a copy.
    const Command::Run run = Find(id)->run;
    run(id);
    if (AfterCommand)
        AfterCommand();
    return true;
}
