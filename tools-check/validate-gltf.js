#!/usr/bin/env node
// Runs the official glTF validator over each file named on the command line and prints its
// counts and every message. Exit status: 0 when no file has an error, 1 otherwise, 2 for a
// file that cannot be read. Warnings and infos are shown but do not fail.
'use strict';
const fs = require('fs');
const path = require('path');
const validator = require('gltf-validator');

async function validate(file) {
    const bytes = new Uint8Array(fs.readFileSync(file));
    const report = await validator.validateBytes(bytes, {
        uri: path.basename(file),
        // Exported files embed their data; anything external is a fault of the file.
        externalResourceFunction: (uri) => Promise.reject(new Error('external resource ' + uri)),
    });
    const issues = report.issues;
    console.log(`${file}: ${issues.numErrors} errors, ${issues.numWarnings} warnings, ` +
                `${issues.numInfos} infos, ${issues.numHints} hints`);
    for (const message of issues.messages)
        console.log(`  ${message.code} ${message.pointer || ''}: ${message.message}`);
    return issues.numErrors === 0;
}

(async () => {
    const files = process.argv.slice(2);
    if (files.length === 0) {
        console.error('usage: validate-gltf.js FILE.gltf|FILE.glb...');
        process.exit(2);
    }
    let clean = true;
    for (const file of files) {
        try {
            clean = (await validate(file)) && clean;
        } catch (error) {
            console.error(`${file}: ${error.message || error}`);
            process.exit(2);
        }
    }
    process.exit(clean ? 0 : 1);
})();
