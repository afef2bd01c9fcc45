-- One page of the load run (LOAD_PAGE: "login screen", LOGIN, THISWEEK,
-- SCOREBOARD or USERPICS2), taken in turn by many players, and a check of
-- every answer: anything but a page (an error page, another status) counts.
-- load_run.sh starts one wrk per page at once, so that together they make
-- the mix and each reports its own page's latencies.
local page = os.getenv("LOAD_PAGE") or "THISWEEK"
local pages = {}
local threads = {}

local function scrambled(text)
    local out = "*B*"
    for i = 1, #text do
        local digits = tostring(text:byte(i)) .. ","
        out = out .. (digits:gsub(".", function(c) return string.char(c:byte() + 1) end))
    end
    return out
end

local function encoded(text)
    return (text:gsub("[^%w]", function(c) return string.format("%%%02X", c:byte()) end))
end

local function post(fields)
    local body = {}
    for _, f in ipairs(fields) do body[#body + 1] = f[1] .. "=" .. encoded(f[2]) end
    return wrk.format("POST", "/", {["Content-Type"] = "application/x-www-form-urlencoded"}, table.concat(body, "&"))
end

function setup(thread)
    threads[#threads + 1] = thread
    thread:set("id", #threads)
end

function init(args)
    answers, failures, next_page = 0, 0, 0
    local players = tonumber(os.getenv("LOAD_PLAYERS") or "1000")
    for n = 2 + id * 7, players, 97 do
        local email = "P" .. n .. "@POOL.TEST"
        local me = {{"XAI", scrambled(email)}, {"IAX", scrambled("SECRET")}}
        local function act(action, extra)
            local fields = {{"ACTION", action}, me[1], me[2]}
            for _, f in ipairs(extra or {}) do fields[#fields + 1] = f end
            return post(fields)
        end
        local requests = {
            ["login screen"] = function() return wrk.format("GET", "/") end,
            LOGIN = function() return post({{"ACTION", "LOGIN"}, {"NNAME", email}, {"PASS", "SECRET"}}) end,
            THISWEEK = function() return act("THISWEEK") end,
            SCOREBOARD = function() return act("SCOREBOARD") end,
            USERPICS2 = function()
                return act("USERPICS2", {{"UWP", "0101010101010101"}, {"TIEBREAKER", "35"}, {"LINENUMBER", "16"}})
            end,
        }
        pages[#pages + 1] = requests[page]()
    end
end

function request()
    next_page = next_page % #pages + 1
    return pages[next_page]
end

function response(status, headers, body)
    answers = answers + 1
    if status ~= 200 or not body:find("</HTML>", 1, true) or body:find("<TITLE>Internal Error</TITLE>", 1, true) then
        failures = failures + 1
    end
end

function done(summary, latency, requests)
    local checked, failed = 0, 0
    for _, thread in ipairs(threads) do
        checked = checked + thread:get("answers")
        failed = failed + thread:get("failures")
    end
    local e = summary.errors
    failed = failed + e.connect + e.read + e.write + e.timeout
    io.write(string.format("| %s | %d | %d | %.1f | %.1f | %.1f | %.1f |\n", page, checked, failed,
        latency:percentile(50) / 1000, latency:percentile(99) / 1000, latency.max / 1000,
        summary.requests / (summary.duration / 1e6)))
end
