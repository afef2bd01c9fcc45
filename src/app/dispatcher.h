// The request's main routine: start-up, then one handler chosen by ACTION.
#pragma once

void ActionDispatcher();
