// A whole season of the pool in headless Chromium, through the pages' own
// links and forms, the administrator at a desktop and the players on phones:
// node season.js BASE-ADDRESS POOL-FOLDER SERVER-NAME PROGRAM
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [base, poolFolder, serverName, program] = process.argv.slice(2);
// The pool's files are named after the program.
const prefix = program.slice(0, -4).toUpperCase();
const checkedHelp = new Map();
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
            const size = parseFloat(getComputedStyle(text.parentElement).fontSize);
            if (text.textContent.trim() && size < 12) found.push(`"${text.textContent.trim()}" is ${size} px`);
        }
        return found;
    });
    if (problems.length) fail(`${what} on a phone: ${problems.slice(0, 5).join('; ')}`);
}

// At desktop size the page looks the same without its style for phones.
async function checkDesktopLook(page, what) {
    const shown = await page.screenshot({ fullPage: true });
    const hadStyle = await page.evaluate(() => {
        window.phoneStyle = document.querySelector('head > style');
        window.phoneStyle?.remove();
        return !!window.phoneStyle;
    });
    if (!hadStyle) fail(`${what}: the page has no style for phones`);
    const plain = await page.screenshot({ fullPage: true });
    await page.evaluate(() => document.head.append(window.phoneStyle));
    if (!shown.equals(plain)) fail(`${what}: the style for phones changes the page at ${page.viewportSize().width} px`);
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

async function makePicks(page, who, team, tieBreaker) {
    await menuChoice(page, 'THISWEEK', `${who}'s pick sheet`);
    await fillSheet(page, team, tieBreaker);
    await submitBy(page, page.locator('input[alt="Enter Your Picks"]'), `${who}'s confirmation`);
    await expectText(page, tieBreaker, `${who}'s confirmation`);
    await submitBy(page, page.locator('input[alt="Confirm Your Picks"]'), `${who}'s menu after saving`);
    await page.locator('input[name=ACTION][value=VIEWUSERPICKS]').waitFor();
}

async function setPolicy(boss, policy) {
    await menuChoice(boss, 'NEWUSER', 'policy page');
    await boss.check(`input[name=NEWUSER][value=${policy}]`);
    await submitBy(boss, boss.locator('input[type=submit]'), `menu after the policy ${policy}`);
    await expectText(boss, policy, `menu after the policy ${policy}`);
}

function poolFile(name) {
    return path.join(poolFolder, prefix + name);
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
        await setPolicy(boss, 'ALLOWALL');
        await menuChoice(boss, 'ADDUSER', 'add-user page');
        await boss.fill('input[name=USEREMAIL]', 'ann@pool.test');
        await boss.fill('input[name=USERREALNAME]', 'Ann Added');
        await boss.fill('input[name=USERPASSWORD]', 'annpw');
        await boss.selectOption('select[name=USERSTATUS]', 'USER');
        await submitBy(boss, boss.locator('input[type=submit]'), 'user added');
        await expectText(boss, 'Database Has Been Updated.', 'user added');

        // The administrator's picks from the main menu.
        await login(boss, 'boss@pool.test', 'bosspw', "boss's main menu again");
        await makePicks(boss, 'boss', 0, '30');

        // A newcomer registers with the real-name page and picks.
        const newcomer = await newPage(browser, true);
        await login(newcomer, 'nick@pool.test', 'nickpw', "newcomer's real-name page");
        await newcomer.fill('input[name=USERREALNAME]', 'Nick Newcomer');
        await submitBy(newcomer, newcomer.locator('input[type=submit], input[type=image]'), "newcomer's menu");
        await makePicks(newcomer, 'newcomer', 1, '41');

        // The added player picks and comments.
        const ann = await newPage(browser, true);
        await login(ann, 'ann@pool.test', 'annpw', "ann's menu");
        await makePicks(ann, 'ann', 0, '35');
        await menuChoice(ann, 'VIEWUSERPICKS', "ann's saved picks");
        await ann.goBack();
        await menuChoice(ann, 'POSTCOMMENTS', 'comment entry');
        await ann.fill('textarea[name=COMMENTFIELD]', 'Good luck everybody');
        await submitBy(ann, ann.locator('input[alt="Add Your Comments"]'), 'comment board');
        await expectText(ann, 'Good luck everybody', 'comment board');

        // Winners entered: the scoring run opens period 2.
        await login(boss, 'boss@pool.test', 'bosspw', "boss's menu");
        await menuChoice(boss, 'ADMIN', "administrator's menu");
        await menuChoice(boss, 'ENTERWINNERS', 'winners sheet');
        await fillSheet(boss, 0, '38');
        await submitBy(boss, boss.locator('input[alt="Enter Your Picks"]'), 'winners confirmation');
        await submitBy(boss, boss.locator('input[alt="Confirm Your Picks"]'), 'menu after scoring');
        if (!fs.existsSync(poolFile('winners1_.dat'))) fail('the scoring run wrote no period winners file');

        // Results, scoreboard, players, comments, as a player.
        await login(ann, 'ann@pool.test', 'annpw', "ann's menu in period 2");
        await menuChoice(ann, 'LASTWEEK', 'last period results');
        await expectText(ann, 'Nick Newcomer', 'last period results');
        await ann.goBack();
        await menuChoice(ann, 'SCOREBOARD', 'scoreboard');
        await expectText(ann, 'Bea Boss', 'scoreboard');
        await ann.goBack();
        await menuChoice(ann, 'VIEWPLAYERS', 'players list');
        await expectText(ann, 'ANN ADDED', 'players list');
        await ann.goBack();
        await menuChoice(ann, 'VIEWCOMMENTS', 'comments');
        await expectText(ann, 'Good luck everybody', 'comments');
        await ann.goBack();
        // Ann opens period 2's pick sheet before the lock-out.
        await menuChoice(ann, 'THISWEEK', "ann's period 2 sheet");

        // The game data file editor and the activity log.
        await menuChoice(boss, 'DF', 'game data file editor');
        const season = await boss.inputValue('textarea');
        if (!season.includes('WEEK1')) fail('the editor does not show the season');
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

        console.log(`   ${serverName}: ${pagesChecked} pages checked, ${checkedHelp.size} help pages opened`);
    } finally {
        await browser.close();
    }
}

main().catch((error) => {
    console.error(String(error.stack || error));
    process.exit(1);
});
