console.log('empty loaded');
