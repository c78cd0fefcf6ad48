console.log('about to throw');
throw { code: 7, reason: 'not an error' };
