// A whole season of the pool in headless Chromium, through the pages' own
// links and forms, the administrator at a desktop and the players on phones:
// picks saved, changed and refused, comments, a wrong scoring run undone,
// the downloads, the season chart, and the first period of the next season.
// node season.js BASE-ADDRESS POOL-FOLDER SERVER-NAME PROGRAM
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [base, poolFolder, serverName, program] = process.argv.slice(2);
// The pool's files are named after the program.
const prefix = program.slice(0, -4).toUpperCase();
const checkedHelp = new Map();
const FINAL_LINE = 'Once saved, your picks cannot be changed.';
const CHANGE_LINE = 'You can change your picks until the lock-out date.';
let pagesChecked = 0;

function fail(message) {
    throw new Error(`${serverName}: ${message}`);
}

// On a phone the page fits the screen's width at zoom 1; every field and
// button is big enough for a finger, and no text is smaller than 12 px.
async function checkPhoneFit(page, what) {
    const problems = await page.evaluate(() => {
        const found = [];
        const root = document.documentElement;
        if (root.clientWidth > screen.width) found.push(`laid out ${root.clientWidth} px wide`);
        if (root.scrollWidth > root.clientWidth) found.push(`scrolls sideways: ${root.scrollWidth} px`);
        for (const e of document.querySelectorAll('input:not([type=hidden]), select, textarea, button')) {
            const box = e.getBoundingClientRect();
            if (box.width < 24 || box.height < 24)
                found.push(`${e.type} ${e.name || e.alt || ''} is ${box.width}x${box.height} px`);
        }
        const texts = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let text; (text = texts.nextNode());) {
            // A drawing's text shrinks with the drawing.
            const element = text.parentElement;
            const shrink = element instanceof SVGElement ? element.getScreenCTM().a : 1;
            const size = parseFloat(getComputedStyle(element).fontSize) * shrink;
            if (text.textContent.trim() && size < 12) found.push(`"${text.textContent.trim()}" is ${size} px`);
        }
        return found;
    });
    if (problems.length) fail(`${what} on a phone: ${problems.slice(0, 5).join('; ')}`);
}

// At desktop size the page looks the same without its style for phones.
// A page still settling may differ once: the second look decides, and a
// difference then leaves both pictures beside the pool folder.
async function checkDesktopLook(page, what, lastLook = false) {
    // Nothing hovered or focused: a control under the pointer left by the
    // last click, or a blinking caret, would draw differently from one
    // picture to the next.
    await page.mouse.move(0, 0);
    await page.evaluate(() => document.activeElement?.blur());
    const shown = await page.screenshot({ fullPage: true });
    const hadStyle = await page.evaluate(() => {
        window.phoneStyle = document.querySelector('head > style');
        window.phoneStyle?.remove();
        return !!window.phoneStyle;
    });
    if (!hadStyle) fail(`${what}: the page has no style for phones`);
    const plain = await page.screenshot({ fullPage: true });
    await page.evaluate(() => document.head.append(window.phoneStyle));
    if (shown.equals(plain)) return;
    if (!lastLook) {
        console.log(`   ${what}: looked different once, looking again`);
        await page.waitForTimeout(300);
        return checkDesktopLook(page, what, true);
    }
    const picture = path.join(poolFolder, '..', what.replace(/\W+/g, '-'));
    fs.writeFileSync(`${picture}-styled.png`, shown);
    fs.writeFileSync(`${picture}-plain.png`, plain);
    fail(`${what}: the style for phones changes the page at ${page.viewportSize().width} px (${picture}-*.png)`);
}

// Every page: no console error, every image loaded, a help link that opens a
// real help page, and the page fits a phone or is unchanged at a desktop.
async function checkPage(page, what) {
    await page.waitForLoadState('load');
    const errors = page.consoleErrors.splice(0);
    if (errors.length) fail(`${what}: console errors: ${errors.join(' | ')}`);
    const broken = await page.evaluate(async () => {
        const sources = [...document.querySelectorAll('img, input[type=image]')].map((e) => e.src);
        const results = await Promise.all(sources.map((src) => new Promise((resolve) => {
            const image = new Image();
            image.onload = () => resolve(image.naturalWidth > 0 ? null : src);
            image.onerror = () => resolve(src);
            image.src = src;
        })));
        return results.filter(Boolean);
    });
    if (broken.length) fail(`${what}: images that do not load: ${broken.join(', ')}`);
    const help = page.locator('a[onclick*="NewWindow"]');
    if ((await help.count()) !== 1) fail(`${what}: no help link`);
    const href = await help.evaluate((a) => a.href);
    if (!checkedHelp.has(href)) {
        const answer = await page.request.get(href);
        const text = await answer.text();
        if (answer.status() !== 200 || !text.includes('The Zarn Pool Online! Help'))
            fail(`${what}: help link ${href} gives ${answer.status()}`);
        checkedHelp.set(href, what);
    }
    if (page.onPhone) await checkPhoneFit(page, what);
    else await checkDesktopLook(page, what);
    pagesChecked++;
}

async function expectText(page, text, what) {
    const body = (await page.content()).toUpperCase();
    if (!body.includes(text.toUpperCase())) fail(`${what}: the page lacks "${text}"`);
}

// Clicks (on a phone: taps) what submits a form and waits for the next page.
async function submitBy(page, locator, what) {
    const button = locator.first();
    await Promise.all([page.waitForNavigation(), page.onPhone ? button.tap() : button.click()]);
    await checkPage(page, what);
}

async function menuChoice(page, action, what) {
    await page.check(`input[name=ACTION][value=${action}]`);
    const button = page.locator('input[type=image], input[type=submit]');
    await submitBy(page, button, what);
}

async function login(page, email, password, what) {
    await page.goto(base);
    await checkPage(page, 'login page');
    await page.fill('input[name=NNAME]', email);
    await page.fill('input[name=PASS]', password);
    await submitBy(page, page.locator('input[type=submit], input[type=image]'), what);
}

// A desktop browser at 1280 px, or a phone 390 px wide that lays pages out
// as its viewport line says and is worked by touch.
async function newPage(browser, onPhone) {
    const screen = onPhone
        ? { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true }
        : { viewport: { width: 1280, height: 800 } };
    const context = await browser.newContext(screen);
    context.setDefaultTimeout(8000);
    const page = await context.newPage();
    page.onPhone = onPhone;
    page.consoleErrors = [];
    page.on('console', (m) => {
        if (m.type() === 'error') page.consoleErrors.push(`${m.text()} (${m.location().url})`);
    });
    page.on('pageerror', (e) => page.consoleErrors.push(String(e)));
    return page;
}

// Picks the first or second team of every game, with a tie-breaker guess.
async function fillSheet(page, team, tieBreaker) {
    const games = await page.$$eval('input[type=radio][name^=C]', (radios) => [...new Set(radios.map((r) => r.name))]);
    if (!games.length) fail('the pick sheet has no games');
    for (const game of games) await page.locator(`input[name=${game}]`).nth(team).check();
    await page.fill('input[name=TIEBREAKER]', tieBreaker);
    return games.length;
}

// Fills the open sheet, confirms it (the confirmation says whether saved
// picks can still change) and saves it: the menu comes back.
async function enterPicks(page, who, team, tieBreaker, policyLine) {
    await fillSheet(page, team, tieBreaker);
    await submitBy(page, page.locator('input[alt="Enter Your Picks"]'), `${who}'s confirmation`);
    await expectText(page, tieBreaker, `${who}'s confirmation`);
    await expectText(page, policyLine, `${who}'s confirmation`);
    await submitBy(page, page.locator('input[alt="Confirm Your Picks"]'), `${who}'s menu after saving`);
    await page.locator('input[name=ACTION][value=VIEWUSERPICKS]').waitFor();
}

async function makePicks(page, who, team, tieBreaker, policyLine = FINAL_LINE) {
    await menuChoice(page, 'THISWEEK', `${who}'s pick sheet`);
    await enterPicks(page, who, team, tieBreaker, policyLine);
}

// Back from the menu after a save to its sheet, changed and sent again:
// the menu says why nothing changed.
async function saveAgain(page, who, team, tieBreaker, notice) {
    await page.goBack();
    await page.goBack();
    await fillSheet(page, team, tieBreaker);
    await submitBy(page, page.locator('input[alt="Enter Your Picks"]'), `${who}'s second save`);
    await expectText(page, notice, `${who}'s second save`);
}

// The admission policy and, when given, the picks policy; the menu shows both.
async function setPolicy(boss, policy, picksPolicy) {
    await menuChoice(boss, 'NEWUSER', 'policy page');
    await expectText(boss, 'Players May Change Their Picks Until The Lock Out', 'policy page');
    await boss.check(`input[name=NEWUSER][value=${policy}]`);
    if (picksPolicy) await boss.check(`input[name=PICKSPOLICY][value=${picksPolicy}]`);
    const what = `menu after the policy ${policy} ${picksPolicy || ''}`;
    await submitBy(boss, boss.locator('input[type=submit]'), what);
    await expectText(boss, policy, what);
    if (picksPolicy) await expectText(boss, `PICKS ${picksPolicy}`, what);
}

function poolFile(name) {
    return path.join(poolFolder, prefix + name);
}

// The rows of a sheet or a results table: each cell's text, and whether
// its text is bold (a chosen team).
async function sheetRows(page) {
    return page.$$eval('tr', (rows) =>
        rows
            .filter((row) => row.cells.length === 5 && row.querySelector('div[align=right]'))
            .map((row) => [...row.cells].map((cell) => ({
                text: cell.textContent.trim(),
                bold: !!cell.querySelector('b')?.textContent.trim(),
            }))),
    );
}

// The team chosen in each game as the sheet shows it in bold: "0" the
// first, "1" the second, "-" none.
async function expectChoices(page, team, what) {
    const rows = await sheetRows(page);
    const shown = rows.map((cells) => (cells[0].bold ? '0' : cells[3].bold ? '1' : '-')).join('');
    if (!shown || shown !== String(team).repeat(shown.length)) fail(`${what}: shows the picks "${shown}", not team ${team}`);
}

// The saved picks as the view page shows them, left open.
async function viewPicks(page, who, team, tieBreaker) {
    await menuChoice(page, 'VIEWUSERPICKS', `${who}'s saved picks`);
    await expectChoices(page, team, `${who}'s saved picks`);
    const guess = await page.$$eval('td', (cells) =>
        cells.filter((cell) => cell.textContent.includes('Tie Breaker Score')).pop()?.nextElementSibling?.textContent.trim());
    if (guess !== tieBreaker) fail(`${who}'s saved picks show the guess "${guess}", not ${tieBreaker}`);
}

// From the view page: the sheet comes with the saved picks chosen; the
// changed ones are confirmed, saved and then shown.
async function changePicks(page, who, saved, changed) {
    await viewPicks(page, who, ...saved);
    await submitBy(page, page.locator('input[type=submit][value="Change My Picks"]'), `${who}'s sheet to change`);
    await expectChoices(page, saved[0], `${who}'s sheet to change`);
    if ((await page.inputValue('input[name=TIEBREAKER]')) !== saved[1]) fail(`${who}'s sheet to change lacks the guess`);
    await enterPicks(page, who, ...changed, CHANGE_LINE);
    await viewPicks(page, who, ...changed);
    await page.goBack();
}

// A comment too long for the board comes back with its text and the
// reason; a short one is stored.
async function postComments(page) {
    await menuChoice(page, 'POSTCOMMENTS', 'comment entry');
    const long = `${'Go team, go! '.repeat(160).slice(0, 2000)}!`;
    // As a browser sends it that ignores the text area's maxlength.
    await page.$eval('textarea[name=COMMENTFIELD]', (area) => area.removeAttribute('maxlength'));
    await page.fill('textarea[name=COMMENTFIELD]', long);
    await submitBy(page, page.locator('input[alt="Add Your Comments"]'), 'comment refused');
    await expectText(page, 'Your comment was not added: it has more than 2000 characters. Please shorten it.', 'comment refused');
    // The text area wraps hard: the browser sent line breaks where lines wrapped.
    const back = await page.inputValue('textarea[name=COMMENTFIELD]');
    if (back.replace(/\s+/g, ' ').trim() !== long) fail('a refused comment does not come back as typed');
    await page.fill('textarea[name=COMMENTFIELD]', 'Good luck everybody');
    await submitBy(page, page.locator('input[alt="Add Your Comments"]'), 'comment board');
    await expectText(page, 'Good luck everybody', 'comment board');
}

// From the administrator's menu: the winners of the open period, confirmed.
async function scorePeriod(boss, team, tieBreaker, what) {
    await menuChoice(boss, 'ENTERWINNERS', `winners sheet, ${what}`);
    await fillSheet(boss, team, tieBreaker);
    await submitBy(boss, boss.locator('input[alt="Enter Your Picks"]'), `winners confirmation, ${what}`);
    await submitBy(boss, boss.locator('input[alt="Confirm Your Picks"]'), `menu after scoring, ${what}`);
}

async function undoScoring(boss, period) {
    const undo = `Undo Scoring Of Period ${period}`;
    await expectText(boss, undo, 'menu after a wrong scoring');
    await menuChoice(boss, 'UNDOSCORING', 'undo confirmation');
    await submitBy(boss, boss.locator(`input[type=submit][value="${undo}"]`), 'menu after the undo');
    await expectText(boss, `Scoring Of Period ${period} Has Been Undone!`, 'menu after the undo');
}

// The count on the administrator's menu, and the page of those without
// picks with one mail to all of them.
async function checkWithoutPicks(boss, period, players, without) {
    const saved = players - without.length;
    const line = `${saved} of ${players} players ${saved === 1 ? 'has' : 'have'} saved their picks for Period ${period}`;
    await expectText(boss, line, "administrator's menu");
    await menuChoice(boss, 'PLAYERSWITHOUTPICKS', 'players without picks');
    const mail = await boss.getAttribute('a[href^="mailto:?bcc="]', 'href');
    if (mail !== `mailto:?bcc=${without.join(',')}&subject=Zarn%20Pool%3A%20your%20picks%20for%20Period%20${period}`)
        fail(`players without picks: the mail to all is ${mail}`);
    await boss.goBack();
}

// A download from the administrator's menu: a CSV file whose lines are
// given (the header row first, as far as given).
async function checkDownload(boss, action, lines) {
    await boss.check(`input[name=ACTION][value=${action}]`);
    const [file, answer] = await Promise.all([
        boss.waitForEvent('download'),
        boss.waitForResponse((response) => response.request().method() === 'POST'),
        boss.locator('input[type=image]').first().click(),
    ]);
    const type = answer.headers()['content-type'];
    if (!/^text\/csv; *charset=/.test(type)) fail(`${action} answers ${type}`);
    const got = fs.readFileSync(await file.path(), 'latin1').split('\r\n');
    lines.forEach((line, i) => {
        if (got[i] !== line) fail(`${action}: line ${i + 1} is "${got[i]}", not "${line}"`);
    });
}

// The scoreboard as "name points" lines, best first; its season chart
// draws a line for each and ends at the same points.
async function checkScoreboard(page, expected, withChart) {
    await menuChoice(page, 'SCOREBOARD', 'scoreboard');
    const shown = (await sheetRows(page)).map((cells) => `${cells[0].text} ${cells[2].text}`).slice(1);
    if (shown.join('|') !== expected.join('|')) fail(`the scoreboard shows ${shown.join(', ')}`);
    if (!withChart) return;
    await submitBy(page, page.locator('input[type=submit][value="Season Chart"]'), 'season chart');
    const names = await page.$$eval('svg text', (texts) => texts.map((t) => t.textContent.trim()));
    const totals = await page.$$eval('table:has(> caption) tr', (rows) =>
        rows.slice(1).map((row) => `${row.cells[0].textContent.trim()} ${row.cells[row.cells.length - 1].textContent.trim()}`));
    if (totals.join('|') !== expected.join('|')) fail(`the season chart's table shows ${totals.join(', ')}`);
    for (const line of expected) {
        if (!names.includes(line.replace(/ \d+$/, ''))) fail(`the season chart has no line named for ${line}`);
    }
    await page.goBack();
}

async function startNewSeason(boss) {
    await menuChoice(boss, 'NEWSEASON', 'new season confirmation');
    await submitBy(boss, boss.locator('input[type=submit][value="Start The New Season"]'), 'menu of the new season');
    await expectText(boss, 'A New Season Has Started At Period 1', 'menu of the new season');
    if (!fs.readdirSync(poolFolder).some((name) => name.startsWith('season-'))) fail('the last season has no folder');
    if (fs.existsSync(poolFile('winners1_.dat'))) fail('the new season still has the last one\'s winners');
}

async function main() {
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
    try {
        // The first login makes the administrator, who is asked for a real name.
        const boss = await newPage(browser, false);
        await login(boss, 'boss@pool.test', 'bosspw', 'real-name page of the first login');
        await boss.fill('input[name=USERREALNAME]', 'Bea Boss');
        await submitBy(boss, boss.locator('input[type=submit], input[type=image]'), "boss's main menu");
        await boss.locator('input[name=ACTION][value=ADMIN]').waitFor();

        // The help window opens a real help page.
        const [popup] = await Promise.all([boss.waitForEvent('popup'), boss.click('a[onclick*="NewWindow"]')]);
        await popup.waitForLoadState('load');
        if (!(await popup.title()).startsWith('The Zarn Pool Help')) fail('the help window shows no help page');
        await popup.close();

        // Newcomers must be approved, then must be listed: each meets a
        // status page. Then everybody may join, and a player is added.
        await menuChoice(boss, 'ADMIN', "administrator's menu");
        await setPolicy(boss, 'APPROVE');
        const waiting = await newPage(browser, true);
        await login(waiting, 'walt@pool.test', 'waltpw', "waiting newcomer's real-name page");
        await waiting.fill('input[name=USERREALNAME]', 'Walt Waiting');
        await submitBy(waiting, waiting.locator('input[type=submit], input[type=image]'), 'status page: approval');
        await expectText(waiting, 'will have to approve your access', 'status page: approval');
        await setPolicy(boss, 'BLOCKALL');
        const stranger = await newPage(browser, true);
        await login(stranger, 'sam@pool.test', 'sampw', 'status page: listed players only');
        await expectText(stranger, 'not presently allowing new users', 'status page: listed players only');
        // Everybody may join, saved picks may change until the lock-out, and
        // a player is added.
        await setPolicy(boss, 'ALLOWALL', 'CHANGE');
        await menuChoice(boss, 'ADDUSER', 'add-user page');
        await boss.fill('input[name=USEREMAIL]', 'ann@pool.test');
        await boss.fill('input[name=USERREALNAME]', 'Ann Added');
        await boss.fill('input[name=USERPASSWORD]', 'annpw');
        await boss.selectOption('select[name=USERSTATUS]', 'USER');
        await submitBy(boss, boss.locator('input[type=submit]'), 'user added');
        await expectText(boss, 'Database Has Been Updated.', 'user added');

        // The administrator's picks from the main menu.
        await login(boss, 'boss@pool.test', 'bosspw', "boss's main menu again");
        await makePicks(boss, 'boss', 0, '30', CHANGE_LINE);

        // A newcomer registers with the real-name page and picks.
        const newcomer = await newPage(browser, true);
        await login(newcomer, 'nick@pool.test', 'nickpw', "newcomer's real-name page");
        await newcomer.fill('input[name=USERREALNAME]', 'Nick Newcomer');
        await submitBy(newcomer, newcomer.locator('input[type=submit], input[type=image]'), "newcomer's menu");
        await makePicks(newcomer, 'newcomer', 1, '41', CHANGE_LINE);

        // The administrator sees who has still to pick (the waiting
        // newcomer is no player yet).
        await menuChoice(boss, 'ADMIN', "administrator's menu");
        await checkWithoutPicks(boss, 1, 3, ['ann@pool.test']);

        // The added player picks, changes her picks and comments.
        const ann = await newPage(browser, true);
        await login(ann, 'ann@pool.test', 'annpw', "ann's menu");
        await makePicks(ann, 'ann', 0, '35', CHANGE_LINE);
        await changePicks(ann, 'ann', [0, '35'], [1, '36']);
        await postComments(ann);

        // Saved picks are final again: a second save is refused with a reason.
        await setPolicy(boss, 'ALLOWALL', 'FINAL');
        await saveAgain(newcomer, 'newcomer', 0, '42', 'Your picks for Period 1 were already saved and were not changed.');
        await viewPicks(newcomer, 'newcomer', 1, '41');

        // A wrong winner in every game, undone, then the right ones: the
        // standings are as if the wrong run never happened, Ann's changed
        // picks scored.
        await scorePeriod(boss, 1, '38', 'wrong');
        await undoScoring(boss, 1);
        await scorePeriod(boss, 0, '38', 'right');
        if (!fs.existsSync(poolFile('winners1_.dat'))) fail('the scoring run wrote no period winners file');
        const standings = ['BEA BOSS 8', 'ANN ADDED 0', 'NICK NEWCOMER 0'];
        await checkDownload(boss, 'EXPORTSTANDINGS', ['Name,Winning Picks', ...standings.map((line) => line.replace(/ (\d+)$/, ',$1'))]);
        await checkDownload(boss, 'EXPORTRESULTS', ['Name,Correct,Missed', 'BEA BOSS,8,0']);
        await checkDownload(boss, 'EXPORTPICKS', [
            'Name,Riverton Otters at Oakshire Rams,Northgate Wolves at Ashford Comets,Bramble Bay Herons at Millbrook Badgers,' +
                'Lakemont Loons at Cedar Falls Lumberjacks,Dunmore Foxes at Kestrel Point Pilots,Juniper Ridge Coyotes at Elm Harbor Mariners,' +
                'Fairhaven Gulls at Ironvale Smiths,Highmoor Stags at Glenrock Miners,Tie Breaker,Correct Picks',
        ]);

        // Results, scoreboard and its chart, players, comments, as a player.
        await login(ann, 'ann@pool.test', 'annpw', "ann's menu in period 2");
        await menuChoice(ann, 'LASTWEEK', 'last period results');
        await expectText(ann, 'Nick Newcomer', 'last period results');
        await ann.goBack();
        await checkScoreboard(ann, standings, true);
        await ann.goBack();
        await menuChoice(ann, 'VIEWPLAYERS', 'players list');
        await expectText(ann, 'ANN ADDED', 'players list');
        await ann.goBack();
        await menuChoice(ann, 'VIEWCOMMENTS', 'comments');
        await expectText(ann, 'Good luck everybody', 'comments');
        await ann.goBack();
        // Ann opens period 2's pick sheet before the lock-out.
        await menuChoice(ann, 'THISWEEK', "ann's period 2 sheet");

        // The game data file editor shortens the season to two periods; the
        // activity log.
        await menuChoice(boss, 'DF', 'game data file editor');
        const season = await boss.inputValue('textarea');
        if (!season.includes('WEEK3')) fail('the editor does not show the season');
        await boss.fill('textarea', season.slice(0, season.indexOf('WEEK3')));
        await submitBy(boss, boss.locator('input[type=submit][value="Save File"]'), 'saved game data file');
        await login(boss, 'boss@pool.test', 'bosspw', "boss's menu");
        await menuChoice(boss, 'ADMIN', "administrator's menu");
        await menuChoice(boss, 'ACTIVITYLOG', 'activity log');
        await boss.goBack();

        // A lock-out date in the past: Ann's picks are refused.
        await menuChoice(boss, 'LOCKOUTDATE', 'lock-out page');
        // The page offers the stored date or a week from now; the earliest of
        // every list is in the past.
        for (const list of ['YEAR', 'MONTH', 'DAY', 'HOUR', 'MINUTE']) {
            const values = await boss.$$eval(`select[name=${list}] option`, (o) => o.map((x) => x.value));
            await boss.selectOption(`select[name=${list}]`, values.reduce((a, b) => (Number(a) < Number(b) ? a : b)));
        }
        await submitBy(boss, boss.locator('input[type=submit], input[type=image]'), 'menu after the lock-out');
        await expectText(boss, 'GAME LOCKED', 'menu after the lock-out');
        await fillSheet(ann, 0, '20');
        await submitBy(ann, ann.locator('input[alt="Enter Your Picks"]'), "ann's refused picks");
        if ((await ann.locator('input[alt="Confirm Your Picks"]').count()) !== 0) fail('locked picks reach confirmation');
        await expectText(ann, 'GAME LOCKED', "ann's refused picks");
        if (fs.existsSync(poolFile('picks2_.dat'))) fail('picks were saved after the lock-out');

        // The last period scored ends the season; the next one starts at
        // period 1, which is picked and scored.
        await scorePeriod(boss, 0, '20', 'last period');
        await startNewSeason(boss);
        await login(boss, 'boss@pool.test', 'bosspw', "boss's menu in the new season");
        await makePicks(boss, 'boss', 1, '12');
        await login(ann, 'ann@pool.test', 'annpw', "ann's menu in the new season");
        await makePicks(ann, 'ann', 0, '13');
        await menuChoice(boss, 'ADMIN', "administrator's menu");
        await scorePeriod(boss, 1, '14', 'new season');
        await login(boss, 'boss@pool.test', 'bosspw', "boss's menu in period 2 of the new season");
        await checkScoreboard(boss, ['BEA BOSS 8', 'ANN ADDED 0'], false);

        console.log(`   ${serverName}: ${pagesChecked} pages checked, ${checkedHelp.size} help pages opened`);
    } finally {
        await browser.close();
    }
}

main().catch((error) => {
    console.error(String(error.stack || error));
    process.exit(1);
});
