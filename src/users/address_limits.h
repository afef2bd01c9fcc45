// Limits, per remote address, on wrong passwords (50 in any 15 minutes) and
// new registrations (100 in any hour), kept in a small state file of the pool.
#pragma once

enum class LimitedEvent { WrongPassword, Registration };

// Ends the run with the wait page when REMOTE_ADDR has used up its events.
void WaitWhenOverLimit(LimitedEvent event);
// Records one event of REMOTE_ADDR; past its limit it records nothing and
// ends the run with the wait page instead.
void CountLimitedEvent(LimitedEvent event);
