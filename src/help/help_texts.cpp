// The words of the help pages: how to play, how picks, the lock-out and the
// tie-break work, and how the administrator runs a season.
#include "help/help_pages.h"

const std::vector<HelpPage>& HelpPages() {
    static const std::vector<HelpPage> pages = {
        {"index.html", "All Help Pages", R"(<p>The Zarn Pool Online! is an office football pool. Each period of the
season you pick the winner of every game and guess the tie-breaker score; the player with the most correct picks
wins the period, and the scoreboard adds up the whole season.</p>
<ul>
<li><a href="welcome1.html">Logging in and joining the pool</a></li>
<li><a href="mainmenu1.html">The main menu</a></li>
<li><a href="makeselections1.html">Making your picks</a></li>
<li><a href="viewselections1.html">Viewing your picks</a></li>
<li><a href="lastweeks1.html">Last period's results</a></li>
<li><a href="scoreboard1.html">The scoreboard</a></li>
<li><a href="viewplayers1.html">The other players</a></li>
<li><a href="postcomments1.html">Posting a comment</a></li>
<li><a href="viewcomments1.html">Reading the comments</a></li>
<li><a href="adminmenu1.html">The administrator's menu</a></li>
<li><a href="teamdatafile1.html">The game data file</a></li>
</ul>)"},
        {"welcome1.html", "Logging In and Joining the Pool", R"(<p>Type your e-mail address and your password and
press the button. Your e-mail address is your name in the pool; the password keeps others from picking for
you.</p>
<p><b>New to the pool?</b> Type your e-mail address and a password of your choice. The pool then asks for your
real name: that is the name the other players see on the results, the scoreboard and the comments. Depending on
how the administrator runs the pool, you are in at once, you wait until the administrator approves you, or you
are told that only players entered by the administrator can log in.</p>
<p>The very first person ever to log in to a new pool becomes its administrator.</p>
<p><b>Wrong password?</b> The pool says so and lets you try again. If you have forgotten your password, ask the
administrator: the administrator can look it up and change it. After ten wrong passwords for one e-mail address
within 15 minutes the pool refuses that e-mail address for 15 minutes, even with the right password, so that
nobody can guess it; the page says how long to wait.</p>
<p>After logging in, see <a href="mainmenu1.html">the main menu</a>.</p>)"},
        {"mainmenu1.html", "The Main Menu", R"(<p>Choose what you want to do and press <b>Submit</b>.</p>
<ul>
<li><b>This Weeks Game</b>: the pick sheet of the open period (see <a href="makeselections1.html">making your
picks</a>). Once you have saved your picks it reads <b>Team Selection Completed - View</b> and shows them. After
the lock-out date it is not available.</li>
<li><b>Last Weeks Results</b>: how everybody did in the period just scored (see
<a href="lastweeks1.html">last period's results</a>).</li>
<li><b>Scoreboard</b>: the season's standings (see <a href="scoreboard1.html">the scoreboard</a>).</li>
<li><b>View Other Players</b>: who plays (see <a href="viewplayers1.html">the other players</a>).</li>
<li><b>Post Comments</b> and <b>Read Comments</b>: the pool's comment board.</li>
<li><b>Administrative Access</b>, for the administrator only: the <a href="adminmenu1.html">administrator's
menu</a>.</li>
</ul>
<p>The top of every page shows today's date, the lock-out date of the period, your name and the period: "5 of 17"
is the fifth period of seventeen. <b>Back</b> takes you one page back.</p>)"},
        {"makeselections1.html", "Making Your Picks", R"(<p>The pick sheet shows one row for each game of the
open period, the visiting team first and the home team second. Click the team you think will win, for every
game.</p>
<p><b>The tie-breaker</b>: at the bottom of the sheet, guess the number the administrator uses to break a tie
(for example the total points of the period's last game). If two or more players share the most correct picks
of the period, the one whose guess is closest to the real number without going over gets one extra point; when
every guess is over, the closest one wins. Players with the same distance all get the point.</p>
<p>Press <b>Enter Your Picks</b>. The next page shows your picks and your guess: check them, then press
<b>Confirm Your Picks</b> to save them, or <b>Edit Your Picks</b> to go back and change them. Nothing is saved
until you confirm.</p>
<p><b>Changing saved picks</b>: the administrator decides whether saved picks are final or may be changed
until the lock-out, and the confirmation page says which: "Once saved, your picks cannot be changed." or "You can
change your picks until the lock-out date." Where they may be changed, <b>Change My Picks</b> on the page that shows
your saved picks opens the sheet with them; confirm the new picks and they replace the old ones. You always have
one set of picks per period: a confirmation page from before you saved does not save again.</p>
<p><b>The lock-out</b>: the administrator sets a lock-out date and time for each period, shown at the top of
every page. After it, the page reads "GAME LOCKED" and no picks can be made or saved for that period. A game
without a pick counts as a miss.</p>)"},
        {"viewselections1.html", "Viewing Your Picks", R"(<p>This page shows the picks you saved for the open
period, the team you chose in each game in bold, and your tie-breaker guess.</p>
<p>Where the administrator allows it, <b>Change My Picks</b> opens the pick sheet with these picks until the
lock-out; otherwise saved picks cannot be changed. After the administrator enters the winning teams, see
<a href="lastweeks1.html">last period's results</a> for how you did.</p>)"},
        {"viewplayers1.html", "The Other Players", R"(<p>The list of the pool's players, with e-mail address, real
name and status. A player waiting for the administrator's approval stands on a grey row with the status
<b>PENDING</b>.</p>
<p>The administrator's name at the top of every page is a link to write to the administrator.</p>)"},
        {"lastweeks1.html", "Last Period's Results", R"(<p>Once the administrator has entered the winning teams
of a period, this page shows every player who picked in it, with the correct picks (points) and the missed picks,
the highest score first.</p>
<p>If players tied at the top, the tie-breaker guess closest to the real number without going over (or, when
every guess was over, the closest) won one extra point, which is already counted here and on the
<a href="scoreboard1.html">scoreboard</a>.</p>)"},
        {"scoreboard1.html", "The Scoreboard", R"(<p>The season so far: every player's points of all scored
periods added up, the highest first. A period's points are its correct picks plus one point for the period's
tie-break winner.</p>
<p>The scoreboard changes each time the administrator enters a period's winning teams. <b>Season Chart</b>
below it draws every player's points period by period.</p>)"},
        {"postcomments1.html", "Posting a Comment", R"(<p>Type your comment in the box and press <b>Add Your
Comments</b>. It appears at the top of the comment board with your name, the date and the time, for every player
to read.</p>
<p>Plain text is best: a comment is shown as you typed it.</p>)"},
        {"viewcomments1.html", "Reading the Comments", R"(<p>The comment board shows the players' comments, the newest
first, each with its writer's name, the date and the time.</p>
<p>To add your own, choose <b>Post Comments</b> on the <a href="mainmenu1.html">main menu</a>.</p>)"},
        {"adminmenu1.html", "The Administrator's Menu", R"(<p>The administrator runs the season from this menu:
choose an entry and press <b>Submit</b>.</p>
<ul>
<li><b>Add a User</b>: enter a player's e-mail address, real name, password and status.</li>
<li><b>Edit / Delete a User</b>: change a player's details or status, or delete the player. Status
<b>USER</b> plays; <b>PENDING</b> waits for approval and cannot play yet; <b>ADMINISTRATOR</b> also runs the
pool. Once a player is open for editing, submit the edit: leaving the page without it removes the player.</li>
<li><b>View Users of System</b>: every player with e-mail address, password, status and last visit.</li>
<li><b>Enter Winning Teams</b>: after a period's games, click the winner of each game, type the real tie-breaker
number, press <b>Enter Your Picks</b> and confirm. This scores every player's picks, gives the tie-break point,
updates the results and the scoreboard, clears the lock-out date and opens the next period.</li>
<li><b>Set Lock Out Date</b>: the date and time after which no picks can be made for the open period. Set it
for every period, before its first game; entering the winners clears it.</li>
<li><b>Undo Scoring Of Period N</b>: shown after winning teams are entered, when they were wrong. It puts the
results, the scoreboard and the lock-out date back as they were before Period N was scored and opens it again for
its winning teams. Only the last scoring can be undone, once, and not after the pool's files have changed since.</li>
<li><b>View Activity Log</b>: who did what and when.</li>
<li><b>Change New User Login Status From</b>: how people who are not yet players are treated when they log in:
<b>Allow All New Users</b> (they join at once), <b>New User Must Be Approved</b> (they join as PENDING until you
set them to USER) or <b>New User Must Be In Database</b> (only players you added can log in). The same page
decides whether saved picks are final (<b>Saved Picks Are Final</b>) or may be changed until the lock-out
(<b>Players May Change Their Picks Until The Lock Out</b>); the menu shows PICKS FINAL or PICKS CHANGE.</li>
<li><b>Game Data File</b>: the season's games (see <a href="teamdatafile1.html">the game data file</a>).</li>
<li><b>Start A New Season</b>: shown once the season has ended. The season's files (results, scoreboard, picks,
lock-out date) move into a folder season-YEAR of the pool and the pool starts again at the first period of the
game data file; the players and the comments stay.</li>
<li><b>Players Without Picks</b>: who has not saved picks for the open period yet, with a link that writes one
e-mail to all of them; the menu counts the picks saved so far.</li>
<li><b>Download Standings (CSV)</b>, <b>Download Period N Results (CSV)</b> and
<b>Download Picks (CSV) of Period</b> (the period chosen in the list below it): files for a spreadsheet.</li>
</ul>
<p>A season: put the games in the game data file, choose the new-user status, let the players join, then for
each period set the lock-out date, let the players pick, and enter the winning teams after the games.</p>)"},
        {"teamdatafile1.html", "The Game Data File", R"(<p>The game data file holds the season's games. It lies
beside the program; this page lets the administrator edit it in the browser. Press <b>Save File</b> to keep the
changes.</p>
<p>Its form: a line <b>WEEK1</b>, then one line per game of the first period, then <b>WEEK2</b> and its games,
and so on. A game is written <b>First Team at Second Team</b>, for example:</p>
<pre>WEEK1
Riverside Otters at Hill Valley Hawks
Northport Pilots at Lakeside Giants
WEEK2
Hill Valley Hawks at Northport Pilots</pre>
<p>Team names must not contain a comma, the word " at " or "WEEK". Blank lines are skipped.</p>
<p>Change the games of periods that have not been played yet only: the picks already saved follow the order of
the games.</p>)"},
    };
    return pages;
}
